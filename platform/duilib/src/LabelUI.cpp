#include "LabelUI.h"

#include "AttributeTable.h"
#include "AttributeValues.h"
#include "RenderEngine.h"

namespace DuiLib {

namespace {

const UINT kHorizontalFlags = UIALIGN_LEFT | UIALIGN_CENTER | UIALIGN_RIGHT;
const UINT kVerticalFlags = UIALIGN_TOP | UIALIGN_VCENTER | UIALIGN_BOTTOM;

// A layout may name only one direction; the other keeps its usual default.
UINT CompleteAlign(UINT uAlign)
{
    if (!(uAlign & kHorizontalFlags))
        uAlign |= UIALIGN_LEFT;
    if (!(uAlign & kVerticalFlags))
        uAlign |= UIALIGN_VCENTER;
    return uAlign;
}

}  // namespace

LPCTSTR CLabelUI::GetClass() const { return L"LabelUI"; }

void CLabelUI::SetTextColor(DWORD dwColor)
{
    m_dwTextColor = dwColor;
    Invalidate();
}

void CLabelUI::SetFont(int nPixelSize, bool bBold)
{
    m_nFontSize = nPixelSize;
    m_bFontBold = bBold;
    Invalidate();
}

void CLabelUI::SetTextAlign(UINT uAlign)
{
    m_uTextAlign = CompleteAlign(uAlign);
    Invalidate();
}

bool CLabelUI::ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue)
{
    using C = CLabelUI;
    static const AttributeEntry<C> kEntries[] = {
        {L"textcolor", [](C& c, LPCTSTR n, LPCTSTR v) { DWORD d = 0; if (ParseColor(n, v, d)) c.SetTextColor(d); }},
        {L"align", [](C& c, LPCTSTR n, LPCTSTR v) { UINT a = 0; if (ParseAlign(n, v, a)) c.SetTextAlign(a); }},
        {L"textpadding", [](C& c, LPCTSTR n, LPCTSTR v) { RECT r{}; if (ParseRect(n, v, r)) c.m_rcTextPadding = r; }},
        {L"font", [](C& c, LPCTSTR n, LPCTSTR v) {
             int size = 0;
             bool bold = false;
             if (ParseFont(n, v, size, bold))
                 c.SetFont(size, bold);
         }},
    };
    return ApplyFromTable(kEntries, *this, pstrName, pstrValue) || CControlUI::ApplyAttribute(pstrName, pstrValue);
}

void CLabelUI::PaintText(HDC hDC)
{
    const RECT rc{m_rcItem.left + m_rcTextPadding.left, m_rcItem.top + m_rcTextPadding.top,
                  m_rcItem.right - m_rcTextPadding.right, m_rcItem.bottom - m_rcTextPadding.bottom};
    TextStyle style;
    style.dwColor = CurrentTextColor();
    style.nPixelSize = m_nFontSize;
    style.bBold = m_bFontBold;
    style.uAlign = m_uTextAlign;
    RenderEngine::DrawText(hDC, rc, m_sText, style);
}

}  // namespace DuiLib
