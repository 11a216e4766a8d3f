#include "windows/CDuiFormLoginBrowser.h"

#include "client/SimpleHandler.h"
#include "include/cef_browser.h"
#include "windows/LoginPage.h"

DUI_BEGIN_MESSAGE_MAP(CDuiFormLoginBrowser, CNotifyPump)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
DUI_END_MESSAGE_MAP()

namespace {

const DWORD kLoginBrowserStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP;

}  // namespace

CDuiFormLoginBrowser::CDuiFormLoginBrowser(LPCTSTR pszXMLName)
    : CXMLWnd(pszXMLName)
{
}

CDuiFormLoginBrowser::~CDuiFormLoginBrowser() = default;

// Key presses belong to the page: the window answers them with 0 after the library saw them.
LRESULT CDuiFormLoginBrowser::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lRes = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    if (uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST)
        return 0;
    return lRes;
}

void CDuiFormLoginBrowser::InitWindow()
{
    CefBrowserSettings browser_settings;
    browser_settings.file_access_from_file_urls = STATE_ENABLED;
    browser_settings.local_storage = STATE_ENABLED;

    CefWindowInfo window_info;
    RECT rc = {0, 0, LOGIN_BROWSER_SIZE.cx, LOGIN_BROWSER_SIZE.cy};
    window_info.SetAsChild(m_hWnd, rc);
    window_info.style = kLoginBrowserStyle;

    CefBrowserHost::CreateBrowser(window_info, g_handler.get(), LOGIN_PAGE_URL, browser_settings, nullptr);
}
