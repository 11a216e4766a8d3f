// Text conversions at the Qt edge of the engine layer; pure functions, any thread.
#pragma once

#include <string>

#include "include/internal/cef_string.h"

class QString;

namespace cefport {

std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
QString ToQString(const CefString& text);
CefString FromQString(const QString& text);

}  // namespace cefport
