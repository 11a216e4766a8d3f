// The application object handed to the engine in every process. The engine may call it on
// any thread; it is reference counted and deletes itself when the last CefRefPtr goes.
#pragma once

#include "include/cef_app.h"

class SimpleApp : public CefApp, public CefBrowserProcessHandler {
public:
    SimpleApp() = default;

    // CefApp
    void OnBeforeCommandLineProcessing(const CefString& process_type,
                                       CefRefPtr<CefCommandLine> command_line) override;
    CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;

private:
    IMPLEMENT_REFCOUNTING(SimpleApp);
};
