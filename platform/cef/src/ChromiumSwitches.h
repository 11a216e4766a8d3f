// The switches handed to Chromium in the browser process; built and exported
// on the main thread before the engine starts, owns its list.
#pragma once

#include <string>
#include <vector>

#include "include/internal/cef_types_wrappers.h"

namespace cefport {

class ChromiumSwitches {
 public:
  void Add(const std::vector<std::string>& switches);
  // Language, process model, debugging port and what a machine without a GPU needs.
  void AddFromSettings(const CefSettings& settings);
  // Appends the switches to QTWEBENGINE_CHROMIUM_FLAGS, which the engine reads when it starts.
  void Export() const;

 private:
  std::vector<std::string> switches_;
};

}  // namespace cefport
