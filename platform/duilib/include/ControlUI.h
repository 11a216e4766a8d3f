// CControlUI: the base of every skinned control; lives on the GUI thread, is owned by its parent container (or
// by the paint manager for the root) and points back to its manager and parent without owning them.
#pragma once

#include "DuiString.h"
#include "TEventUI.h"
#include "UIDefine.h"

namespace DuiLib {

class CPaintManagerUI;

class CControlUI {
public:
    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    virtual LPCTSTR GetClass() const;
    virtual CDuiString GetName() const { return m_sName; }
    virtual void SetName(LPCTSTR pstrName) { m_sName = pstrName; }

    virtual void SetManager(CPaintManagerUI* pManager, CControlUI* pParent);
    CPaintManagerUI* GetManager() const { return m_pManager; }
    CControlUI* GetParent() const { return m_pParent; }

    // Position, in client coordinates of the window.
    virtual void SetPos(RECT rc, bool bNeedInvalidate = true);
    const RECT& GetPos() const { return m_rcItem; }
    int GetWidth() const { return m_rcItem.right - m_rcItem.left; }
    int GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }

    // Layout hints read by the parent container: 0 means "stretch".
    int GetFixedWidth() const { return m_cxyFixed.cx; }
    int GetFixedHeight() const { return m_cxyFixed.cy; }
    void SetFixedWidth(int cx);
    void SetFixedHeight(int cy);
    RECT GetPadding() const { return m_rcPadding; }
    void SetPadding(RECT rcPadding);
    // Floating controls ignore the parent's flow and sit at GetFloatPos relative to the parent's top-left.
    bool IsFloat() const { return m_bFloat; }
    void SetFloat(bool bFloat = true);
    RECT GetFloatPos() const { return m_rcFloatPos; }
    void SetFloatPos(RECT rc);

    virtual bool IsVisible() const { return m_bVisible; }
    virtual void SetVisible(bool bVisible = true);
    virtual bool IsEnabled() const { return m_bEnabled; }
    virtual void SetEnabled(bool bEnabled = true);
    // Controls that take clicks; the caption never drags over them.
    virtual bool IsInteractive() const { return false; }
    // A click from code: notifies like a mouse click would; false when hidden or disabled.
    virtual bool Activate();

    virtual CDuiString GetText() const { return m_sText; }
    virtual void SetText(LPCTSTR pstrText);
    CDuiString GetToolTip() const { return m_sToolTip; }
    void SetToolTip(LPCTSTR pstrText) { m_sToolTip = pstrText; }
    DWORD GetBkColor() const { return m_dwBkColor; }
    void SetBkColor(DWORD dwColor);
    CDuiString GetBkImage() const { return m_sBkImage; }
    void SetBkImage(LPCTSTR pstrImage);
    void SetBorderColor(DWORD dwColor);
    void SetBorderSize(int nSize);

    // Layout attribute by name, as written in a layout file; unknown names print one line and are ignored.
    virtual void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue);

    // Finds the topmost visible control under pt (client coordinates), this one included.
    virtual CControlUI* FindControlAt(POINT pt);
    virtual CControlUI* FindControlByName(LPCTSTR pstrName);

    virtual void DoEvent(TEventUI& event);
    virtual void DoPaint(HDC hDC, const RECT& rcPaint);
    void Invalidate();

protected:
    // Attribute handlers return false for names they do not know, so subclasses can chain.
    virtual bool ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue);
    virtual void PaintBkColor(HDC hDC);
    virtual void PaintBkImage(HDC hDC);
    virtual void PaintStatusImage(HDC hDC);
    virtual void PaintText(HDC hDC);
    virtual void PaintBorder(HDC hDC);
    // The layout around this control has to be redone.
    void NeedParentUpdate();
    void DrawImage(HDC hDC, const CDuiString& image);
    void FillColor(HDC hDC, DWORD dwColor);

    CPaintManagerUI* m_pManager = nullptr;
    CControlUI* m_pParent = nullptr;
    CDuiString m_sName;
    CDuiString m_sText;
    CDuiString m_sToolTip;
    CDuiString m_sBkImage;
    RECT m_rcItem{};
    RECT m_rcPadding{};
    RECT m_rcFloatPos{};
    SIZE m_cxyFixed{};
    DWORD m_dwBkColor = 0;
    DWORD m_dwBorderColor = 0;
    int m_nBorderSize = 0;
    bool m_bVisible = true;
    bool m_bEnabled = true;
    bool m_bFloat = false;
};

}  // namespace DuiLib
