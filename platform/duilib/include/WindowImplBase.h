// WindowImplBase: a frameless skinned window built from a layout file, with sound default handling of every
// message; GUI thread only. It owns its paint manager (and through it the control tree).
#pragma once

#include "DialogBuilder.h"
#include "IDialogBuilderCallback.h"
#include "IMessageFilterUI.h"
#include "INotifyUI.h"
#include "NotifyPump.h"
#include "PaintManagerUI.h"
#include "WindowWnd.h"

namespace DuiLib {

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
public:
    WindowImplBase() = default;
    ~WindowImplBase() override = default;

    // Called once, inside Create, when the layout is attached.
    virtual void InitWindow() {}
    virtual void OnClick(TNotifyUI& msg);
    virtual CDuiString GetSkinFile() = 0;
    virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);
    virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnWindowPosChanging(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LONG GetStyle();
    virtual CDuiString GetSkinFolder() = 0;

    void Notify(TNotifyUI& msg) override;
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    CControlUI* CreateControl(LPCTSTR pstrClass) override;

    DUI_DECLARE_MESSAGE_MAP()

protected:
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    CPaintManagerUI m_PaintManager;

private:
    using Handler = LRESULT (WindowImplBase::*)(UINT, WPARAM, LPARAM, BOOL&);
    static Handler HandlerFor(UINT uMsg);
    LRESULT HitTestSizeBox(POINT pt, const RECT& rcClient) const;
    void ShowSysButtons(bool bMaximized);
};

}  // namespace DuiLib
