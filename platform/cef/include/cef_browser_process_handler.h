// Browser-process hooks, called on the window thread; the application owns
// the handler and the engine holds a reference while it runs.
#ifndef CEF_INCLUDE_CEF_BROWSER_PROCESS_HANDLER_H_
#define CEF_INCLUDE_CEF_BROWSER_PROCESS_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_command_line.h"
#include "include/cef_print_handler.h"
#include "include/cef_values.h"

class CefBrowserProcessHandler : public virtual CefBase {
 public:
  // Posted once by CefInitialize; runs when the message loop first turns.
  virtual void OnContextInitialized() {}
  // Not called: the engine launches its helper processes itself. Switches for
  // them go through CefApp::OnBeforeCommandLineProcessing in each helper.
  virtual void OnBeforeChildProcessLaunch(CefRefPtr<CefCommandLine> /*command_line*/) {}
  // Not called: no data travels to renderer processes in this port.
  virtual void OnRenderProcessThreadCreated(CefRefPtr<CefListValue> /*extra_info*/) {}
  virtual CefRefPtr<CefPrintHandler> GetPrintHandler() { return nullptr; }
};

#endif  // CEF_INCLUDE_CEF_BROWSER_PROCESS_HANDLER_H_
