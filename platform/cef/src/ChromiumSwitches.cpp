// The switches handed to Chromium in the browser process; main thread only.
#include "ChromiumSwitches.h"

#include <cstdlib>
#include <filesystem>

namespace cefport {

namespace {

// Without a render node (a virtual display, a VM) Chromium's GPU process has
// nothing to drive; software compositing is then the reliable path.
bool HasGpu() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
    if (entry.path().filename().string().rfind("renderD", 0) == 0) return true;
  return false;
}

}  // namespace

void ChromiumSwitches::Add(const std::vector<std::string>& switches) {
  switches_.insert(switches_.end(), switches.begin(), switches.end());
}

void ChromiumSwitches::AddFromSettings(const CefSettings& settings) {
  const CefString locale(&settings.locale);
  if (!locale.empty()) switches_.push_back("--lang=" + locale.ToString());
  if (settings.single_process) switches_.push_back("--single-process");
  if (settings.remote_debugging_port > 0)
    switches_.push_back("--remote-debugging-port=" + std::to_string(settings.remote_debugging_port));
  if (!HasGpu()) switches_.push_back("--disable-gpu");
}

void ChromiumSwitches::Export() const {
  const char* existing = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS");
  std::string flags = existing ? existing : "";
  for (const auto& item : switches_) flags += (flags.empty() ? "" : " ") + item;
  setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
}

}  // namespace cefport
