// The application object of the engine test executables; its callbacks run
// on the main thread of each process, and the engine holds a reference.
#pragma once

#include "include/cef_app.h"

// In the browser process it appends switches the engine no longer knows
// (they must be harmless); in a helper it appends
// --tessvane-helper-probe=<type> so a test can find that switch on the
// helper's own command line.
class TestApp : public CefApp {
 public:
  void OnBeforeCommandLineProcessing(const CefString& process_type, CefRefPtr<CefCommandLine> command_line) override;

  IMPLEMENT_REFCOUNTING(TestApp);
};
