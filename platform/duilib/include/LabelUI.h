// CLabelUI: a control that draws one text with its own font, colour and alignment; GUI thread only.
#pragma once

#include "ControlUI.h"

namespace DuiLib {

class CLabelUI : public CControlUI {
public:
    LPCTSTR GetClass() const override;

    void SetTextColor(DWORD dwColor);
    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetFont(int nPixelSize, bool bBold);
    int GetFontSize() const { return m_nFontSize; }
    bool IsFontBold() const { return m_bFontBold; }
    void SetTextAlign(UINT uAlign);
    UINT GetTextAlign() const { return m_uTextAlign; }

protected:
    bool ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
    void PaintText(HDC hDC) override;
    // The colour the text is drawn in now; buttons change it with their state.
    virtual DWORD CurrentTextColor() const { return m_dwTextColor; }

    DWORD m_dwTextColor = 0xFF000000;
    int m_nFontSize = 12;
    bool m_bFontBold = false;
    UINT m_uTextAlign = UIALIGN_LEFT | UIALIGN_VCENTER;
    RECT m_rcTextPadding{};
};

}  // namespace DuiLib
