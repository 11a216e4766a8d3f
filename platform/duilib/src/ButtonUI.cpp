#include "ButtonUI.h"

#include "AttributeTable.h"
#include "AttributeValues.h"
#include "PaintManagerUI.h"

namespace DuiLib {

LPCTSTR CButtonUI::GetClass() const { return L"ButtonUI"; }

bool CButtonUI::Activate()
{
    if (!CControlUI::Activate())
        return false;
    if (m_pManager)
        m_pManager->SendNotify(this, DUI_MSGTYPE_CLICK);
    return true;
}

void CButtonUI::SetEnabled(bool bEnabled)
{
    if (!bEnabled) {
        m_bHot = false;
        m_bCaptured = false;
    }
    CControlUI::SetEnabled(bEnabled);
}

void CButtonUI::DoEvent(TEventUI& event)
{
    using Handler = void (CButtonUI::*)(const TEventUI&);
    struct Route {
        UIEventType type;
        Handler handler;
    };
    static const Route kRoutes[] = {
        {UIEVENT_BUTTONDOWN, &CButtonUI::OnButtonDown},
        {UIEVENT_BUTTONUP, &CButtonUI::OnButtonUp},
        {UIEVENT_MOUSEMOVE, &CButtonUI::OnMouseMove},
    };
    if (event.Type == UIEVENT_MOUSEENTER || event.Type == UIEVENT_MOUSELEAVE) {
        SetHot(event.Type == UIEVENT_MOUSEENTER && IsEnabled());
        return;
    }
    for (const Route& route : kRoutes) {
        if (route.type == event.Type) {
            (this->*route.handler)(event);
            return;
        }
    }
    CLabelUI::DoEvent(event);
}

void CButtonUI::SetHotBkColor(DWORD dwColor)
{
    m_dwHotBkColor = dwColor;
    Invalidate();
}

void CButtonUI::SetPushedBkColor(DWORD dwColor)
{
    m_dwPushedBkColor = dwColor;
    Invalidate();
}

bool CButtonUI::ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue)
{
    using C = CButtonUI;
    static const AttributeEntry<C> kEntries[] = {
        {L"normalimage", [](C& c, LPCTSTR, LPCTSTR v) { c.SetNormalImage(v); }},
        {L"hotimage", [](C& c, LPCTSTR, LPCTSTR v) { c.SetHotImage(v); }},
        {L"pushedimage", [](C& c, LPCTSTR, LPCTSTR v) { c.SetPushedImage(v); }},
        {L"disabledimage", [](C& c, LPCTSTR, LPCTSTR v) { c.SetDisabledImage(v); }},
        {L"hotbkcolor", [](C& c, LPCTSTR n, LPCTSTR v) { if (ParseColor(n, v, c.m_dwHotBkColor)) c.Invalidate(); }},
        {L"pushedbkcolor", [](C& c, LPCTSTR n, LPCTSTR v) { if (ParseColor(n, v, c.m_dwPushedBkColor)) c.Invalidate(); }},
        {L"hottextcolor", [](C& c, LPCTSTR n, LPCTSTR v) { if (ParseColor(n, v, c.m_dwHotTextColor)) c.Invalidate(); }},
        {L"pushedtextcolor", [](C& c, LPCTSTR n, LPCTSTR v) { if (ParseColor(n, v, c.m_dwPushedTextColor)) c.Invalidate(); }},
    };
    return ApplyFromTable(kEntries, *this, pstrName, pstrValue) || CLabelUI::ApplyAttribute(pstrName, pstrValue);
}

// A state without its own look borrows the nearest one: pushed falls back to hot, hot to normal.
void CButtonUI::PaintBkColor(HDC hDC)
{
    DWORD color = m_dwBkColor;
    if (IsEnabled() && (m_bHot || IsPushed()) && m_dwHotBkColor)
        color = m_dwHotBkColor;
    if (IsEnabled() && IsPushed() && m_dwPushedBkColor)
        color = m_dwPushedBkColor;
    FillColor(hDC, color);
}

void CButtonUI::PaintStatusImage(HDC hDC)
{
    const CDuiString* image = &m_sNormalImage;
    if (!IsEnabled() && !m_sDisabledImage.IsEmpty())
        image = &m_sDisabledImage;
    if (IsEnabled() && (m_bHot || IsPushed()) && !m_sHotImage.IsEmpty())
        image = &m_sHotImage;
    if (IsEnabled() && IsPushed() && !m_sPushedImage.IsEmpty())
        image = &m_sPushedImage;
    DrawImage(hDC, *image);
}

DWORD CButtonUI::CurrentTextColor() const
{
    if (IsEnabled() && IsPushed() && m_dwPushedTextColor)
        return m_dwPushedTextColor;
    if (IsEnabled() && (m_bHot || IsPushed()) && m_dwHotTextColor)
        return m_dwHotTextColor;
    return m_dwTextColor;
}

void CButtonUI::SetLook(CDuiString& look, LPCTSTR pstrImage)
{
    look = pstrImage;
    Invalidate();
}

void CButtonUI::OnButtonDown(const TEventUI& event)
{
    if (!IsEnabled())
        return;
    m_bCaptured = true;
    m_bPointerInside = Contains(event.ptMouse);
    Invalidate();
}

// The click is a press and a release over this same button.
void CButtonUI::OnButtonUp(const TEventUI& event)
{
    if (!m_bCaptured)
        return;
    m_bCaptured = false;
    Invalidate();
    if (Contains(event.ptMouse))
        Activate();
}

void CButtonUI::OnMouseMove(const TEventUI& event)
{
    if (!m_bCaptured)
        return;
    const bool inside = Contains(event.ptMouse);
    if (inside == m_bPointerInside)
        return;
    m_bPointerInside = inside;
    Invalidate();
}

void CButtonUI::SetHot(bool bHot)
{
    if (m_bHot == bHot)
        return;
    m_bHot = bHot;
    Invalidate();
}

bool CButtonUI::Contains(POINT pt) const { return PtInRect(&m_rcItem, pt) != FALSE; }

}  // namespace DuiLib
