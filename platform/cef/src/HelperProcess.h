// The helper role of the executable: runs one Chromium sub-process on the
// main thread of a process that has no window layer; owns nothing beyond
// the call.
#pragma once

#include <string>
#include <vector>

#include "include/cef_app.h"

namespace cefport {

class HelperProcess {
 public:
  // The arguments this process was started with (recorded by main, else
  // read from /proc/self/cmdline).
  static std::vector<std::string> StartArguments();

  explicit HelperProcess(std::vector<std::string> argv);

  // The value of --type, empty in the browser process.
  std::string ProcessType() const;

  // Lets the application extend the command line, makes the switches show on
  // this process's own command line (one re-exec) and runs the engine's
  // helper main. Returns its exit code.
  int Run(CefRefPtr<CefApp> app);

 private:
  void ReexecWith(const std::vector<std::string>& extra) const;
  int RunEngineMain();

  std::vector<std::string> argv_;
};

}  // namespace cefport
