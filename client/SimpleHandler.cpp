#include "client/SimpleHandler.h"

#include <windows.h>
#include <shellapi.h>

#include "app/Globals.h"
#include "include/cef_app.h"
#include "client/ErrorPage.h"
#include "client/GameMarker.h"
#include "client/ShellAddress.h"
#include "windows/Messages.h"

CefRefPtr<SimpleHandler> g_handler(new SimpleHandler);

CefRefPtr<CefDisplayHandler> SimpleHandler::GetDisplayHandler()
{
    return this;
}

CefRefPtr<CefLifeSpanHandler> SimpleHandler::GetLifeSpanHandler()
{
    return this;
}

CefRefPtr<CefLoadHandler> SimpleHandler::GetLoadHandler()
{
    return this;
}

CefRefPtr<CefRequestHandler> SimpleHandler::GetRequestHandler()
{
    return this;
}

void SimpleHandler::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title)
{
    SetWindowTextW(browser->GetHost()->GetWindowHandle(), title.ToWString().c_str());
}

bool SimpleHandler::OnBeforePopup(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                                  const CefString& target_url, const CefString& /*target_frame_name*/,
                                  WindowOpenDisposition /*target_disposition*/, bool /*user_gesture*/,
                                  const CefPopupFeatures& /*popupFeatures*/, CefWindowInfo& /*windowInfo*/,
                                  CefRefPtr<CefClient>& /*client*/, CefBrowserSettings& /*settings*/,
                                  bool* /*no_javascript_access*/)
{
    const std::wstring address = target_url.ToWString();
    if (IsShellSafeAddress(address))
        ShellExecuteW(NULL, L"open", address.c_str(), NULL, NULL, SW_SHOW);
    return true;
}

void SimpleHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    std::lock_guard<std::mutex> lock(browser_list_mutex_);
    browser_list_.push_back(browser);
}

bool SimpleHandler::DoClose(CefRefPtr<CefBrowser> /*browser*/)
{
    return false;
}

void SimpleHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser)
{
    bool now_empty = false;
    {
        std::lock_guard<std::mutex> lock(browser_list_mutex_);
        for (auto it = browser_list_.begin(); it != browser_list_.end(); ++it) {
            if ((*it)->IsSame(browser)) {
                browser_list_.erase(it);
                break;
            }
        }
        now_empty = browser_list_.empty();
    }
    if (now_empty)
        cef_quit_message_loop();
}

void SimpleHandler::OnLoadError(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> frame,
                                ErrorCode errorCode, const CefString& errorText, const CefString& failedUrl)
{
    if (errorCode == ERR_ABORTED)
        return;
    const std::string page = BuildErrorPage(failedUrl.ToWString(), errorText.ToWString(), errorCode);
    frame->LoadString(CefString(page), failedUrl);
}

bool SimpleHandler::OnBeforeBrowse(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                                   CefRefPtr<CefRequest> request, bool /*is_redirect*/)
{
    const std::wstring address = request->GetURL().ToWString();
    if (ContainsGameMarker(address))
        SendMessageW(g_hMainWnd, WM_ENTER_GAME, 0, reinterpret_cast<LPARAM>(address.c_str()));
    return false;
}

CefRefPtr<CefBrowser> SimpleHandler::GetBrowser()
{
    std::lock_guard<std::mutex> lock(browser_list_mutex_);
    if (browser_list_.empty())
        return nullptr;
    return browser_list_.front();
}
