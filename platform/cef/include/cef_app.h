// Process entry points of the engine, all called on the program's main
// (window) thread; the application object stays owned by the program and the
// engine keeps a reference to it until CefShutdown.
//
// One executable plays both roles: CefExecuteProcess runs the engine's helper
// processes (a copy of this executable started with --type=...) and returns
// -1 in the browser process, which then calls CefInitialize.
#ifndef CEF_INCLUDE_CEF_APP_H_
#define CEF_INCLUDE_CEF_APP_H_

#include "include/cef_base.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_command_line.h"
#include "include/cef_render_process_handler.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_scheme.h"

class CefApp : public virtual CefBase {
 public:
  // Called in every process before the engine reads its switches; process_type
  // is empty in the browser process. Switches appended here reach the engine
  // and, in a helper process, show on that process's own command line.
  virtual void OnBeforeCommandLineProcessing(const CefString& /*process_type*/,
                                             CefRefPtr<CefCommandLine> /*command_line*/) {}
  // Not called: no custom schemes are registered in this port.
  virtual void OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar> /*registrar*/) {}
  virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() { return nullptr; }
  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() { return nullptr; }
  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() { return nullptr; }
};

// Runs a helper process to its end and returns its exit code, or -1 at once
// in the browser process. Never returns -1 in a helper.
int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windows_sandbox_info);

// Starts the engine in the browser process (creates the application object of
// the window layer). False when already running or after CefShutdown.
bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* windows_sandbox_info);

// Closes every browser still open, tears the engine down. A second call does nothing.
void CefShutdown();

// Runs the window thread's message loop until CefQuitMessageLoop; returns at
// once when the quit mark is already set or the engine is not running.
void CefRunMessageLoop();

// Marks the loop of CefRunMessageLoop to stop; it stops after the message in hand.
void CefQuitMessageLoop();

extern "C" void cef_quit_message_loop(void);

#endif  // CEF_INCLUDE_CEF_APP_H_
