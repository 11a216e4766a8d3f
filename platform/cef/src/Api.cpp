// The free functions and static factories of the engine API; main (window)
// thread, except cef_quit_message_loop/CefQuitMessageLoop which any thread may call.
#include <cstdio>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_command_line.h"
#include "Browser.h"
#include "CommandLine.h"
#include "Engine.h"
#include "HelperProcess.h"
#include "Utf.h"

int CefExecuteProcess(const CefMainArgs& /*args*/, CefRefPtr<CefApp> application, void* /*windows_sandbox_info*/) {
  cefport::HelperProcess helper(cefport::HelperProcess::StartArguments());
  if (helper.ProcessType().empty()) return -1;
  return helper.Run(application);
}

bool CefInitialize(const CefMainArgs& /*args*/, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* /*windows_sandbox_info*/) {
  return cefport::Engine::Instance().Initialize(settings, application);
}

void CefShutdown() { cefport::Engine::Instance().Shutdown(); }

void CefRunMessageLoop() { cefport::Engine::Instance().RunMessageLoop(); }

void CefQuitMessageLoop() { cefport::Engine::Instance().QuitMessageLoop(); }

extern "C" void cef_quit_message_loop(void) { CefQuitMessageLoop(); }

bool CefBrowserHost::CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                                   const CefBrowserSettings& settings, CefRefPtr<CefRequestContext> /*request_context*/) {
  CefRefPtr<cefport::Browser> browser = cefport::Engine::Instance().CreateBrowser(windowInfo, client, settings, nullptr);
  if (!browser) return false;
  browser->Start(QUrl(cefport::ToQString(url)));
  return true;
}

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() { return new cefport::CommandLine(); }

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine() {
  return new cefport::CommandLine(cefport::HelperProcess::StartArguments());
}
