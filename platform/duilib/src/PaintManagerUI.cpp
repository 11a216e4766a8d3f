#include "PaintManagerUI.h"

#include <algorithm>
#include <iterator>

#include <QFileInfo>

#include "ControlUI.h"
#include "DuiLog.h"
#include "QtText.h"

namespace DuiLib {

namespace {

HINSTANCE g_hInstance = nullptr;

CDuiString& ResourcePath()
{
    static CDuiString path;
    return path;
}

CDuiString WithTrailingSlash(const CDuiString& path)
{
    if (path.IsEmpty() || path.GetAt(path.GetLength() - 1) == L'/')
        return path;
    return path + L"/";
}

POINT PointFromLParam(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

template <class T>
bool AddOnce(std::vector<T*>& list, T* item)
{
    if (!item || std::find(list.begin(), list.end(), item) != list.end())
        return false;
    list.push_back(item);
    return true;
}

template <class T>
bool RemoveFrom(std::vector<T*>& list, T* item)
{
    const auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end())
        return false;
    list.erase(found);
    return true;
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() = default;

CPaintManagerUI::~CPaintManagerUI() { delete m_pRoot; }

void CPaintManagerUI::SetInstance(HINSTANCE hInst) { g_hInstance = hInst; }

HINSTANCE CPaintManagerUI::GetInstance() { return g_hInstance; }

CDuiString CPaintManagerUI::GetInstancePath()
{
    WCHAR path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    if (length == 0) {
        DuiLog(QStringLiteral("cannot find the executable's path"));
        return CDuiString(L"./");
    }
    const CDuiString file(path, static_cast<int>(length));
    const QString folder = QFileInfo(ToQString(file)).absolutePath();
    return WithTrailingSlash(FromQString(folder));
}

void CPaintManagerUI::SetResourcePath(LPCTSTR pStrPath) { ResourcePath() = WithTrailingSlash(pStrPath); }

CDuiString CPaintManagerUI::GetResourcePath()
{
    if (ResourcePath().IsEmpty())
        ResourcePath() = GetInstancePath();
    return ResourcePath();
}

void CPaintManagerUI::Init(HWND hWnd) { m_hWnd = hWnd; }

bool CPaintManagerUI::AttachDialog(CControlUI* pControl)
{
    CControlUI* pOld = m_pRoot;
    m_pRoot = nullptr;
    delete pOld;
    m_pEventHover = nullptr;
    m_pEventClick = nullptr;
    m_pRoot = pControl;
    if (m_pRoot)
        m_pRoot->SetManager(this, nullptr);
    NeedUpdate();
    return m_pRoot != nullptr;
}

CControlUI* CPaintManagerUI::FindControl(LPCTSTR pstrName) const
{
    CControlUI* pFound = m_pRoot ? m_pRoot->FindControlByName(pstrName) : nullptr;
    if (!pFound)
        DuiLog(QStringLiteral("no control named '%1'").arg(ToQString(pstrName)));
    return pFound;
}

CControlUI* CPaintManagerUI::FindControl(POINT pt) const { return m_pRoot ? m_pRoot->FindControlAt(pt) : nullptr; }

bool CPaintManagerUI::AddNotifier(INotifyUI* pControl) { return AddOnce(m_notifiers, pControl); }

bool CPaintManagerUI::RemoveNotifier(INotifyUI* pControl) { return RemoveFrom(m_notifiers, pControl); }

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter) { return AddOnce(m_preFilters, pFilter); }

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter) { return RemoveFrom(m_preFilters, pFilter); }

// Delivered to a copy of the list: a notifier may add or remove notifiers while it handles the message.
void CPaintManagerUI::SendNotify(TNotifyUI& msg)
{
    msg.dwTimestamp = GetTickCount();
    GetCursorPos(&msg.ptMouse);
    if (m_hWnd)
        ScreenToClient(m_hWnd, &msg.ptMouse);
    const std::vector<INotifyUI*> notifiers = m_notifiers;
    for (INotifyUI* pNotifier : notifiers)
        pNotifier->Notify(msg);
}

void CPaintManagerUI::SendNotify(CControlUI* pControl, LPCTSTR pstrMessage, WPARAM wParam, LPARAM lParam)
{
    TNotifyUI msg;
    msg.sType = pstrMessage;
    msg.pSender = pControl;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg);
}

CDuiString CPaintManagerUI::ResolveResourceFile(LPCTSTR pstrFile) const
{
    const QString file = ToQString(pstrFile);
    if (QFileInfo(file).isAbsolute())
        return CDuiString(pstrFile);
    const CDuiString inLayoutFolder = WithTrailingSlash(m_sLayoutFolder) + pstrFile;
    if (!m_sLayoutFolder.IsEmpty() && QFileInfo::exists(ToQString(inLayoutFolder)))
        return inLayoutFolder;
    return GetResourcePath() + pstrFile;
}

void CPaintManagerUI::Invalidate(const RECT& rcItem)
{
    if (m_hWnd)
        InvalidateRect(m_hWnd, &rcItem, FALSE);
}

void CPaintManagerUI::NeedUpdate()
{
    m_bUpdateNeeded = true;
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CPaintManagerUI::UpdateLayout()
{
    if (!m_bUpdateNeeded || !m_pRoot || !m_hWnd)
        return;
    RECT rcClient{};
    GetClientRect(m_hWnd, &rcClient);
    m_bUpdateNeeded = false;
    m_pRoot->SetPos(rcClient, false);
}

void CPaintManagerUI::ReapControl(CControlUI* pControl)
{
    if (m_pEventHover == pControl)
        m_pEventHover = nullptr;
    if (m_pEventClick == pControl)
        m_pEventClick = nullptr;
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    using Handler = bool (CPaintManagerUI::*)(WPARAM, LPARAM, LRESULT&);
    struct Route {
        UINT uMsg;
        Handler handler;
    };
    static const Route kRoutes[] = {
        {WM_PAINT, &CPaintManagerUI::OnPaint},
        {WM_SIZE, &CPaintManagerUI::OnSize},
        {WM_MOUSEMOVE, &CPaintManagerUI::OnMouseMove},
        {WM_MOUSELEAVE, &CPaintManagerUI::OnMouseLeave},
        {WM_LBUTTONDOWN, &CPaintManagerUI::OnLButtonDown},
        {WM_LBUTTONDBLCLK, &CPaintManagerUI::OnLButtonDown},
        {WM_LBUTTONUP, &CPaintManagerUI::OnLButtonUp},
        {WM_CAPTURECHANGED, &CPaintManagerUI::OnCaptureChanged},
    };
    if (!m_hWnd)
        return false;
    if (RunPreMessageFilters(uMsg, wParam, lParam, lRes))
        return true;
    for (const Route& route : kRoutes) {
        if (route.uMsg == uMsg)
            return (this->*route.handler)(wParam, lParam, lRes);
    }
    return false;
}

bool CPaintManagerUI::RunPreMessageFilters(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    const std::vector<IMessageFilterUI*> filters = m_preFilters;
    for (IMessageFilterUI* pFilter : filters) {
        bool bHandled = false;
        const LRESULT lResult = pFilter->MessageHandler(uMsg, wParam, lParam, bHandled);
        if (bHandled) {
            lRes = lResult;
            return true;
        }
    }
    return false;
}

bool CPaintManagerUI::OnPaint(WPARAM, LPARAM, LRESULT& lRes)
{
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(m_hWnd, &ps);
    if (hDC && m_pRoot) {
        UpdateLayout();
        m_pRoot->DoPaint(hDC, ps.rcPaint);
    }
    EndPaint(m_hWnd, &ps);
    lRes = 0;
    return true;
}

bool CPaintManagerUI::OnSize(WPARAM, LPARAM, LRESULT&)
{
    NeedUpdate();
    return false;
}

bool CPaintManagerUI::OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&)
{
    const POINT pt = PointFromLParam(lParam);
    UpdateLayout();
    TrackMouseLeave();
    if (m_pEventClick)
        SendEvent(m_pEventClick, UIEVENT_MOUSEMOVE, pt, wParam);
    SetHover(FindControl(pt), pt);
    return false;
}

bool CPaintManagerUI::OnMouseLeave(WPARAM, LPARAM, LRESULT&)
{
    m_bMouseTracking = false;
    if (!m_pEventClick)
        SetHover(nullptr, POINT{-1, -1});
    return false;
}

bool CPaintManagerUI::OnLButtonDown(WPARAM wParam, LPARAM lParam, LRESULT&)
{
    const POINT pt = PointFromLParam(lParam);
    UpdateLayout();
    CControlUI* pControl = FindControl(pt);
    if (!pControl || !pControl->IsEnabled())
        return false;
    m_pEventClick = pControl;
    SetCapture(m_hWnd);
    SendEvent(pControl, UIEVENT_BUTTONDOWN, pt, wParam);
    return false;
}

// Nothing of this object is touched after the event: a click handler may close and delete the window.
bool CPaintManagerUI::OnLButtonUp(WPARAM wParam, LPARAM lParam, LRESULT&)
{
    CControlUI* pControl = m_pEventClick;
    if (!pControl)
        return false;
    m_pEventClick = nullptr;
    ReleaseCapture();
    SendEvent(pControl, UIEVENT_BUTTONUP, PointFromLParam(lParam), wParam);
    return false;
}

// Losing the mouse mid-press cancels the press: the release lands nowhere.
bool CPaintManagerUI::OnCaptureChanged(WPARAM, LPARAM, LRESULT&)
{
    CControlUI* pControl = m_pEventClick;
    if (!pControl)
        return false;
    m_pEventClick = nullptr;
    SendEvent(pControl, UIEVENT_BUTTONUP, POINT{-1, -1}, 0);
    return false;
}

void CPaintManagerUI::SendEvent(CControlUI* pControl, UIEventType type, POINT pt, WPARAM wParam)
{
    TEventUI event;
    event.Type = type;
    event.pSender = pControl;
    event.dwTimestamp = GetTickCount();
    event.ptMouse = pt;
    event.wParam = wParam;
    pControl->DoEvent(event);
}

void CPaintManagerUI::SetHover(CControlUI* pControl, POINT pt)
{
    if (pControl == m_pEventHover)
        return;
    CControlUI* pOld = m_pEventHover;
    m_pEventHover = pControl;
    if (pOld)
        SendEvent(pOld, UIEVENT_MOUSELEAVE, pt, 0);
    if (pControl)
        SendEvent(pControl, UIEVENT_MOUSEENTER, pt, 0);
}

void CPaintManagerUI::TrackMouseLeave()
{
    if (m_bMouseTracking)
        return;
    TRACKMOUSEEVENT tme{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    m_bMouseTracking = TrackMouseEvent(&tme) != FALSE;
}

}  // namespace DuiLib
