// CPaintManagerUI: draws a window's control tree and turns its mouse messages into control events and
// notifications; one per window, used on the GUI thread only. It owns the attached root control; notifiers and
// message filters are borrowed.
#pragma once

#include <memory>
#include <vector>

#include "DuiString.h"
#include "IMessageFilterUI.h"
#include "INotifyUI.h"
#include "TEventUI.h"

namespace DuiLib {

class CControlUI;

class CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    static void SetInstance(HINSTANCE hInst);
    static HINSTANCE GetInstance();
    // Folder of the executable, ending in '/'.
    static CDuiString GetInstancePath();
    static void SetResourcePath(LPCTSTR pStrPath);
    // Folder layouts and images are read from, ending in '/'; the instance path until set.
    static CDuiString GetResourcePath();

    void Init(HWND hWnd);
    HWND GetPaintWindow() const { return m_hWnd; }

    // Takes ownership of the tree (deleting any previous one) and lays it out on the next paint.
    bool AttachDialog(CControlUI* pControl);
    CControlUI* GetRoot() const { return m_pRoot; }
    // Null, and one line naming the control, when no control has that name.
    CControlUI* FindControl(LPCTSTR pstrName) const;
    CControlUI* FindControl(POINT pt) const;

    bool AddNotifier(INotifyUI* pControl);
    bool RemoveNotifier(INotifyUI* pControl);
    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    void SendNotify(TNotifyUI& msg);
    void SendNotify(CControlUI* pControl, LPCTSTR pstrMessage, WPARAM wParam = 0, LPARAM lParam = 0);

    // Window settings a layout file gives; see LAYOUT.md for their meaning.
    SIZE GetInitSize() const { return m_szInitWindowSize; }
    void SetInitSize(int cx, int cy) { m_szInitWindowSize = {cx, cy}; }
    RECT GetCaptionRect() const { return m_rcCaption; }
    void SetCaptionRect(RECT rcCaption) { m_rcCaption = rcCaption; }
    RECT GetSizeBox() const { return m_rcSizeBox; }
    void SetSizeBox(RECT rcSizeBox) { m_rcSizeBox = rcSizeBox; }
    SIZE GetMinInfo() const { return m_szMinWindow; }
    void SetMinInfo(int cx, int cy) { m_szMinWindow = {cx, cy}; }

    // Folder of the layout the tree came from; images are looked up there first, then in the resource path.
    void SetLayoutFolder(LPCTSTR pstrFolder) { m_sLayoutFolder = pstrFolder; }
    CDuiString GetLayoutFolder() const { return m_sLayoutFolder; }
    CDuiString ResolveResourceFile(LPCTSTR pstrFile) const;

    // Controls call these when their looks or sizes change.
    void Invalidate(const RECT& rcItem);
    void NeedUpdate();
    // Lays the tree out over the client area now if anything changed since the last layout.
    void UpdateLayout();
    // Forgets a control that is going away so no event is sent to it any more.
    void ReapControl(CControlUI* pControl);

    // The library's own handling of paint, mouse and size messages; true when the message was consumed.
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);

private:
    bool OnPaint(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool OnSize(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool OnMouseLeave(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool OnLButtonDown(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool OnLButtonUp(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool OnCaptureChanged(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool RunPreMessageFilters(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void SendEvent(CControlUI* pControl, UIEventType type, POINT pt, WPARAM wParam);
    void SetHover(CControlUI* pControl, POINT pt);
    void TrackMouseLeave();

    HWND m_hWnd = nullptr;
    CControlUI* m_pRoot = nullptr;
    CControlUI* m_pEventHover = nullptr;
    CControlUI* m_pEventClick = nullptr;
    std::vector<INotifyUI*> m_notifiers;
    std::vector<IMessageFilterUI*> m_preFilters;
    SIZE m_szInitWindowSize{};
    SIZE m_szMinWindow{};
    RECT m_rcCaption{};
    RECT m_rcSizeBox{};
    CDuiString m_sLayoutFolder;
    bool m_bUpdateNeeded = true;
    bool m_bMouseTracking = false;
};

}  // namespace DuiLib
