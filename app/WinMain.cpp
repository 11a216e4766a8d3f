// Process entry in both roles: the browser process the player starts, and the engine's
// sub-processes, which are copies of this same executable.

#include <windows.h>

#include "UIlib.h"
#include "app/AppDataFolder.h"
#include "app/Globals.h"
#include "app/SimpleApp.h"
#include "app/resource.h"
#include "include/cef_app.h"
#include "windows/CDuiFormLogin.h"

using namespace DuiLib;

namespace {

void InitializeEngine(const CefMainArgs& main_args, CefRefPtr<SimpleApp> app)
{
    CefSettings settings;
    settings.multi_threaded_message_loop = true;
    CefString(&settings.cache_path) = GetAppDataFolder();
    CefString(&settings.locale) = "zh-CN";
    CefInitialize(main_args, settings, app.get(), NULL);
}

void RunStartWindow(HINSTANCE hInstance)
{
    CPaintManagerUI::SetInstance(hInstance);
    CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + L"skin");

    CDuiFormLogin* pFrame = new CDuiFormLogin(L"FormLogin.xml");
    g_hMainWnd = pFrame->Create(NULL, L"Varnholt", WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, NULL);
    HICON hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(IDI_TESSVANE));
    SendMessageW(g_hMainWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    pFrame->ShowModal();
    delete pFrame;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int /*nCmdShow*/)
{
    CoInitialize(NULL);
    OleInitialize(NULL);

    CefMainArgs main_args(hInstance);
    CefRefPtr<SimpleApp> app(new SimpleApp);
    int exit_code = CefExecuteProcess(main_args, app.get(), NULL);
    if (exit_code >= 0)
        return exit_code;

    InitializeEngine(main_args, app);
    RunStartWindow(hInstance);

    CoUninitialize();
    CefRunMessageLoop();
    CefShutdown();
    return 0;
}
