// Applies CefBrowserSettings to an engine page; window thread, the page owns
// the settings object.
#pragma once

#include "include/internal/cef_types_wrappers.h"

class QWebEngineSettings;

namespace cefport {

// STATE_DEFAULT members leave the engine's default in place.
void ApplyBrowserSettings(const CefBrowserSettings& settings, QWebEngineSettings* target);

}  // namespace cefport
