#include "WindowWnd.h"

#include <algorithm>

#include "DuiLog.h"
#include "PaintManagerUI.h"
#include "QtText.h"

namespace DuiLib {

CWindowWnd::~CWindowWnd()
{
    const HWND hWnd = m_hWnd;
    if (!hWnd)
        return;
    Detach(hWnd);
    DestroyWindow(hWnd);
}

HWND CWindowWnd::Create(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx,
                        int cy, HMENU hMenu)
{
    const bool registered = GetSuperClassName() ? RegisterSuperclass() : RegisterWindowClass();
    if (!registered)
        return nullptr;
    const HWND hWnd = CreateWindowExW(dwExStyle, GetWindowClassName(), pstrName, dwStyle, x, y, cx, cy, hwndParent,
                                      hMenu, CPaintManagerUI::GetInstance(), this);
    if (!hWnd)
        DuiLog(QStringLiteral("cannot create a window of class %1").arg(ToQString(GetWindowClassName())));
    m_hWnd = hWnd;
    return m_hWnd;
}

void CWindowWnd::ShowWindow(bool bShow, bool bTakeFocus)
{
    if (!m_hWnd)
        return;
    const int command = !bShow ? SW_HIDE : (bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
    ::ShowWindow(m_hWnd, command);
}

// Only locals after the first dispatch: a handler may destroy the window and delete this object.
UINT CWindowWnd::ShowModal()
{
    const HWND hWnd = m_hWnd;
    if (!IsWindow(hWnd))
        return 0;
    const HWND hOwner = GetWindow(hWnd, GW_OWNER);
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    if (hOwner)
        EnableWindow(hOwner, FALSE);
    UINT nRet = 0;
    MSG msg{};
    while (IsWindow(hWnd)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            nRet = static_cast<UINT>(msg.wParam);
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_CLOSE && msg.hwnd == hWnd)
            nRet = static_cast<UINT>(msg.wParam);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (hOwner)
        EnableWindow(hOwner, TRUE);
    return nRet;
}

void CWindowWnd::Close(UINT nRet)
{
    if (IsWindow(m_hWnd))
        ::PostMessageW(m_hWnd, WM_CLOSE, static_cast<WPARAM>(nRet), 0);
}

// Centres on the owner when there is one, else on the work area of the window's monitor, and keeps the
// window inside that work area.
void CWindowWnd::CenterWindow()
{
    RECT rcWindow{};
    GetWindowRect(m_hWnd, &rcWindow);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT rcArea = monitor.rcWork;
    RECT rcCenter = rcArea;
    const HWND hOwner = GetWindow(m_hWnd, GW_OWNER);
    if (hOwner)
        GetWindowRect(hOwner, &rcCenter);
    const int width = rcWindow.right - rcWindow.left;
    const int height = rcWindow.bottom - rcWindow.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - width / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - height / 2;
    x = std::max<int>(rcArea.left, std::min<int>(x, rcArea.right - width));
    y = std::max<int>(rcArea.top, std::min<int>(y, rcArea.bottom - height));
    SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The frame around the client area keeps its size; only the client area changes.
void CWindowWnd::ResizeClient(int cx, int cy)
{
    RECT rcWindow{};
    RECT rcClient{};
    if (!GetWindowRect(m_hWnd, &rcWindow) || !GetClientRect(m_hWnd, &rcClient))
        return;
    const int frameX = (rcWindow.right - rcWindow.left) - (rcClient.right - rcClient.left);
    const int frameY = (rcWindow.bottom - rcWindow.top) - (rcClient.bottom - rcClient.top);
    const int width = (cx == -1 ? rcClient.right - rcClient.left : cx) + frameX;
    const int height = (cy == -1 ? rcClient.bottom - rcClient.top : cy) + frameY;
    SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

LPCTSTR CWindowWnd::GetSuperClassName() const { return nullptr; }

UINT CWindowWnd::GetClassStyle() const { return 0; }

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_OldWndProc)
        return CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
    return DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND) {}

LRESULT CALLBACK CWindowWnd::__WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWindowWnd* pThis = Attach(hWnd, uMsg, lParam);
    if (!pThis)
        return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    if (uMsg != WM_NCDESTROY)
        return pThis->HandleMessage(uMsg, wParam, lParam);
    const LRESULT lRes = pThis->HandleMessage(uMsg, wParam, lParam);
    pThis->Detach(hWnd);
    pThis->OnFinalMessage(hWnd);
    return lRes;
}

bool CWindowWnd::RegisterWindowClass()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(CPaintManagerUI::GetInstance(), GetWindowClassName(), &wc))
        return true;
    wc.style = GetClassStyle();
    wc.lpfnWndProc = &CWindowWnd::__WndProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = GetWindowClassName();
    if (RegisterClassExW(&wc))
        return true;
    DuiLog(QStringLiteral("cannot register window class %1").arg(ToQString(GetWindowClassName())));
    return false;
}

// The new class keeps the system class's settings but routes through __WndProc; HandleMessage then passes
// what it leaves to the system class's procedure.
bool CWindowWnd::RegisterSuperclass()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(nullptr, GetSuperClassName(), &wc) &&
        !GetClassInfoExW(CPaintManagerUI::GetInstance(), GetSuperClassName(), &wc)) {
        DuiLog(QStringLiteral("no window class %1 to build on").arg(ToQString(GetSuperClassName())));
        return false;
    }
    m_OldWndProc = wc.lpfnWndProc;
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(CPaintManagerUI::GetInstance(), GetWindowClassName(), &existing))
        return true;
    wc.lpfnWndProc = &CWindowWnd::__WndProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.lpszClassName = GetWindowClassName();
    if (RegisterClassExW(&wc))
        return true;
    DuiLog(QStringLiteral("cannot register window class %1").arg(ToQString(GetWindowClassName())));
    return false;
}

// Binds the object on the first creation message (its pointer rides in CREATESTRUCTW) and finds it later.
CWindowWnd* CWindowWnd::Attach(HWND hWnd, UINT uMsg, LPARAM lParam)
{
    auto* pThis = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (pThis || (uMsg != WM_NCCREATE && uMsg != WM_CREATE))
        return pThis;
    const auto* pCreate = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    pThis = static_cast<CWindowWnd*>(pCreate->lpCreateParams);
    if (!pThis)
        return nullptr;
    pThis->m_hWnd = hWnd;
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
    return pThis;
}

void CWindowWnd::Detach(HWND hWnd)
{
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
}

}  // namespace DuiLib
