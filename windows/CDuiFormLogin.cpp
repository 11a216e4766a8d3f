#include "windows/CDuiFormLogin.h"

#include "include/cef_app.h"
#include "windows/CDuiFormLoginBrowser.h"
#include "windows/LoginPage.h"
#include "windows/WebPage.h"

DUI_BEGIN_MESSAGE_MAP(CDuiFormLogin, CNotifyPump)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
DUI_END_MESSAGE_MAP()

namespace {

void EndProgram()
{
    CefShutdown();
    CefQuitMessageLoop();
    PostQuitMessage(0);
}

struct ButtonAction {
    const wchar_t* name;
    void (*action)();
};

const ButtonAction kButtonActions[] = {
    {L"officialbtn", [] { OpenWebPage(OFFICIAL_SITE_URL); }},
    {L"rechargebtn", [] { OpenWebPage(RECHARGE_PAGE_URL); }},
    {L"forumbtn", [] { OpenWebPage(OFFICIAL_SITE_URL); }},
    {L"servicebtn", [] { OpenWebPage(OFFICIAL_SITE_URL); }},
    {L"closebtn", EndProgram},
};

}  // namespace

CDuiFormLogin::CDuiFormLogin(LPCTSTR pszXMLName)
    : CXMLWnd(pszXMLName)
{
}

// The login page window's native window goes with its owner; its object goes here.
CDuiFormLogin::~CDuiFormLogin()
{
    delete m_pLoginBrowser;
}

LRESULT CDuiFormLogin::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lRes = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    if (uMsg == WM_MOVE)
        PlaceLoginBrowser();
    return lRes;
}

void CDuiFormLogin::InitWindow()
{
    CenterWindow();
    OpenLoginBrowser();
}

void CDuiFormLogin::OnClick(TNotifyUI& msg)
{
    const CDuiString name = msg.pSender->GetName();
    for (const ButtonAction& button : kButtonActions) {
        if (name == button.name) {
            button.action();
            break;
        }
    }
    WindowImplBase::OnClick(msg);
}

void CDuiFormLogin::OpenLoginBrowser()
{
    m_pLoginBrowser = new CDuiFormLoginBrowser(L"FormLoginBrowser.xml");
    m_pLoginBrowser->Create(m_hWnd, L"LoginBrowser", WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL);
    PlaceLoginBrowser();
    m_pLoginBrowser->ShowWindow(true, true);
}

// Keeps the login page window at its offset from the start window's outer corner.
void CDuiFormLogin::PlaceLoginBrowser()
{
    if (!m_pLoginBrowser)
        return;
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    SetWindowPos(m_pLoginBrowser->GetHWND(), NULL, rc.left + LOGIN_BROWSER_OFFSET.x, rc.top + LOGIN_BROWSER_OFFSET.y,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
