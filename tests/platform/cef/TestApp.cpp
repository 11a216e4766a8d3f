// The application object of the engine test executables; main thread of each process.
#include "TestApp.h"

void TestApp::OnBeforeCommandLineProcessing(const CefString& process_type, CefRefPtr<CefCommandLine> command_line) {
  if (process_type.empty()) {
    command_line->AppendSwitch("enable-npapi");
    command_line->AppendSwitch("enable-system-flash");
    return;
  }
  command_line->AppendSwitchWithValue("tessvane-helper-probe", process_type);
}
