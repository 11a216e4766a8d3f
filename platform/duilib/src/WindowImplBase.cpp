#include "WindowImplBase.h"

#include <cwchar>

#include "ControlUI.h"

namespace DuiLib {

DUI_BEGIN_MESSAGE_MAP(WindowImplBase, CNotifyPump)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
DUI_END_MESSAGE_MAP()

namespace {

// A control the layout may or may not have: looked up without reporting its absence.
CControlUI* FindOptional(const CPaintManagerUI& manager, LPCTSTR pstrName)
{
    CControlUI* pRoot = manager.GetRoot();
    return pRoot ? pRoot->FindControlByName(pstrName) : nullptr;
}

CDuiString JoinPath(const CDuiString& folder, const CDuiString& file)
{
    if (folder.IsEmpty() || folder.GetAt(folder.GetLength() - 1) == L'/')
        return folder + file;
    return folder + L"/" + file;
}

}  // namespace

void WindowImplBase::OnClick(TNotifyUI& msg)
{
    struct Action {
        LPCTSTR name;
        void (*run)(WindowImplBase& window);
    };
    static const Action kActions[] = {
        {L"closebtn", [](WindowImplBase& w) { w.Close(); }},
        {L"minbtn", [](WindowImplBase& w) { w.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
        {L"maxbtn", [](WindowImplBase& w) { w.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0); }},
        {L"restorebtn", [](WindowImplBase& w) { w.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0); }},
    };
    if (!msg.pSender)
        return;
    const CDuiString name = msg.pSender->GetName();
    for (const Action& action : kActions) {
        if (name == action.name) {
            action.run(*this);
            return;
        }
    }
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM) { return FALSE; }

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

// A frameless window has no frame to draw active or inactive; activation proceeds.
LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM, LPARAM, BOOL&) { return TRUE; }

// The whole window is client area.
LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT WindowImplBase::OnWindowPosChanging(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, BOOL&)
{
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(m_hWnd, &pt);
    RECT rcClient{};
    GetClientRect(m_hWnd, &rcClient);
    if (!IsZoomed(m_hWnd)) {
        const LRESULT hit = HitTestSizeBox(pt, rcClient);
        if (hit != HTCLIENT)
            return hit;
    }
    const RECT rcCaption = m_PaintManager.GetCaptionRect();
    const bool inCaption = pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right &&
                           pt.y >= rcCaption.top && pt.y < rcCaption.bottom;
    if (!inCaption)
        return HTCLIENT;
    m_PaintManager.UpdateLayout();
    const CControlUI* pControl = m_PaintManager.FindControl(pt);
    return pControl && pControl->IsInteractive() ? HTCLIENT : HTCAPTION;
}

// Maximised, the window covers the work area of its monitor rather than the whole screen.
LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, BOOL&)
{
    auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    pInfo->ptMaxPosition = POINT{work.left - monitor.rcMonitor.left, work.top - monitor.rcMonitor.top};
    pInfo->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
    const SIZE minSize = m_PaintManager.GetMinInfo();
    if (minSize.cx > 0 && minSize.cy > 0)
        pInfo->ptMinTrackSize = POINT{minSize.cx, minSize.cy};
    return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

// The default procedure does the work; the layout's maximise/restore buttons then follow the new state.
LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL&)
{
    const WPARAM command = wParam & 0xFFF0;
    const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    if (command == SC_MAXIMIZE || command == SC_RESTORE)
        ShowSysButtons(command == SC_MAXIMIZE);
    return lRes;
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, BOOL&)
{
    SetWindowLongW(m_hWnd, GWL_STYLE, GetStyle());
    m_PaintManager.Init(m_hWnd);
    m_PaintManager.AddPreMessageFilter(this);
    CDialogBuilder builder;
    CControlUI* pRoot = builder.Create(JoinPath(GetSkinFolder(), GetSkinFile()), this, &m_PaintManager);
    const SIZE size = m_PaintManager.GetInitSize();
    if (size.cx > 0 && size.cy > 0)
        SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    m_PaintManager.AttachDialog(pRoot);
    m_PaintManager.AddNotifier(this);
    InitWindow();
    return 0;
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

// The layout draws its own title bar, so the system caption goes.
LONG WindowImplBase::GetStyle()
{
    const LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
    return style & ~static_cast<LONG>(WS_CAPTION);
}

void WindowImplBase::Notify(TNotifyUI& msg) { LoopDispatch(msg); }

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool&)
{
    if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE))
        return ResponseDefaultKeyEvent(wParam);
    return FALSE;
}

CControlUI* WindowImplBase::CreateControl(LPCTSTR) { return nullptr; }

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lRes = 0;
    BOOL bHandled = TRUE;
    if (const Handler handler = HandlerFor(uMsg)) {
        lRes = (this->*handler)(uMsg, wParam, lParam, bHandled);
        if (bHandled)
            return lRes;
    }
    bHandled = FALSE;
    lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled)
        return lRes;
    if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

WindowImplBase::Handler WindowImplBase::HandlerFor(UINT uMsg)
{
    struct Route {
        UINT uMsg;
        Handler handler;
    };
    static const Route kRoutes[] = {
        {WM_CREATE, &WindowImplBase::OnCreate},
        {WM_CLOSE, &WindowImplBase::OnClose},
        {WM_DESTROY, &WindowImplBase::OnDestroy},
        {WM_NCACTIVATE, &WindowImplBase::OnNcActivate},
        {WM_NCCALCSIZE, &WindowImplBase::OnNcCalcSize},
        {WM_WINDOWPOSCHANGING, &WindowImplBase::OnWindowPosChanging},
        {WM_NCPAINT, &WindowImplBase::OnNcPaint},
        {WM_NCHITTEST, &WindowImplBase::OnNcHitTest},
        {WM_GETMINMAXINFO, &WindowImplBase::OnGetMinMaxInfo},
        {WM_MOUSEWHEEL, &WindowImplBase::OnMouseWheel},
        {WM_MOUSEHOVER, &WindowImplBase::OnMouseHover},
        {WM_SIZE, &WindowImplBase::OnSize},
        {WM_CHAR, &WindowImplBase::OnChar},
        {WM_SYSCOMMAND, &WindowImplBase::OnSysCommand},
        {WM_KEYDOWN, &WindowImplBase::OnKeyDown},
        {WM_KILLFOCUS, &WindowImplBase::OnKillFocus},
        {WM_SETFOCUS, &WindowImplBase::OnSetFocus},
        {WM_LBUTTONDOWN, &WindowImplBase::OnLButtonDown},
        {WM_LBUTTONUP, &WindowImplBase::OnLButtonUp},
        {WM_MOUSEMOVE, &WindowImplBase::OnMouseMove},
    };
    for (const Route& route : kRoutes) {
        if (route.uMsg == uMsg)
            return route.handler;
    }
    return nullptr;
}

LRESULT WindowImplBase::HitTestSizeBox(POINT pt, const RECT& rcClient) const
{
    static const LRESULT kHits[3][3] = {
        {HTCLIENT, HTLEFT, HTRIGHT},
        {HTTOP, HTTOPLEFT, HTTOPRIGHT},
        {HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT},
    };
    const RECT box = m_PaintManager.GetSizeBox();
    const int column = pt.x < rcClient.left + box.left ? 1 : (pt.x >= rcClient.right - box.right ? 2 : 0);
    const int row = pt.y < rcClient.top + box.top ? 1 : (pt.y >= rcClient.bottom - box.bottom ? 2 : 0);
    return kHits[row][column];
}

void WindowImplBase::ShowSysButtons(bool bMaximized)
{
    if (CControlUI* pMax = FindOptional(m_PaintManager, L"maxbtn"))
        pMax->SetVisible(!bMaximized);
    if (CControlUI* pRestore = FindOptional(m_PaintManager, L"restorebtn"))
        pRestore->SetVisible(bMaximized);
}

}  // namespace DuiLib
