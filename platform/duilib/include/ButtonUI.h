// CButtonUI: a label that reacts to the mouse (hot, pushed, disabled looks) and notifies "click" when pressed
// and released over itself; GUI thread only.
#pragma once

#include "LabelUI.h"

namespace DuiLib {

class CButtonUI : public CLabelUI {
public:
    LPCTSTR GetClass() const override;
    bool IsInteractive() const override { return true; }
    bool Activate() override;
    void SetEnabled(bool bEnabled = true) override;
    void DoEvent(TEventUI& event) override;

    bool IsHot() const { return m_bHot; }
    bool IsPushed() const { return m_bCaptured && m_bPointerInside; }

    void SetNormalImage(LPCTSTR pstrImage) { SetLook(m_sNormalImage, pstrImage); }
    void SetHotImage(LPCTSTR pstrImage) { SetLook(m_sHotImage, pstrImage); }
    void SetPushedImage(LPCTSTR pstrImage) { SetLook(m_sPushedImage, pstrImage); }
    void SetDisabledImage(LPCTSTR pstrImage) { SetLook(m_sDisabledImage, pstrImage); }
    void SetHotBkColor(DWORD dwColor);
    void SetPushedBkColor(DWORD dwColor);

protected:
    bool ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    DWORD CurrentTextColor() const override;

private:
    void SetLook(CDuiString& look, LPCTSTR pstrImage);
    void OnButtonDown(const TEventUI& event);
    void OnButtonUp(const TEventUI& event);
    void OnMouseMove(const TEventUI& event);
    void SetHot(bool bHot);
    bool Contains(POINT pt) const;

    CDuiString m_sNormalImage;
    CDuiString m_sHotImage;
    CDuiString m_sPushedImage;
    CDuiString m_sDisabledImage;
    DWORD m_dwHotBkColor = 0;
    DWORD m_dwPushedBkColor = 0;
    DWORD m_dwHotTextColor = 0;
    DWORD m_dwPushedTextColor = 0;
    bool m_bHot = false;
    bool m_bCaptured = false;
    bool m_bPointerInside = false;
};

}  // namespace DuiLib
