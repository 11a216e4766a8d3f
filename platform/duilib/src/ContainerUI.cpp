#include "ContainerUI.h"

#include <algorithm>

#include "AttributeTable.h"
#include "AttributeValues.h"
#include "ClipScope.h"

namespace DuiLib {

namespace {

// One axis of a rectangle, so a single routine lays out rows and columns.
struct Span {
    LONG RECT::*start;
    LONG RECT::*end;
    LONG SIZE::*fixed;
};

const Span kVertical{&RECT::top, &RECT::bottom, &SIZE::cy};
const Span kHorizontal{&RECT::left, &RECT::right, &SIZE::cx};

bool Flows(const CControlUI* pControl) { return pControl->IsVisible() && !pControl->IsFloat(); }

SIZE FixedSize(const CControlUI* pControl) { return SIZE{pControl->GetFixedWidth(), pControl->GetFixedHeight()}; }

// Size across the flow: the fixed size, or the room left by the padding.
void PlaceAcross(RECT& rc, const RECT& area, const CControlUI* pControl, const Span& across)
{
    const RECT pad = pControl->GetPadding();
    const LONG fixed = FixedSize(pControl).*across.fixed;
    rc.*across.start = area.*across.start + pad.*across.start;
    const LONG room = area.*across.end - pad.*across.end - rc.*across.start;
    rc.*across.end = rc.*across.start + (fixed > 0 ? fixed : std::max<LONG>(room, 0));
}

}  // namespace

CContainerUI::~CContainerUI()
{
    for (CControlUI* pControl : m_items)
        delete pControl;
}

LPCTSTR CContainerUI::GetClass() const { return L"ContainerUI"; }

void CContainerUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent)
{
    CControlUI::SetManager(pManager, pParent);
    for (CControlUI* pControl : m_items)
        pControl->SetManager(pManager, this);
}

bool CContainerUI::Add(CControlUI* pControl)
{
    if (!pControl)
        return false;
    pControl->SetManager(m_pManager, this);
    m_items.push_back(pControl);
    NeedParentUpdate();
    return true;
}

bool CContainerUI::Remove(CControlUI* pControl)
{
    const auto found = std::find(m_items.begin(), m_items.end(), pControl);
    if (found == m_items.end())
        return false;
    m_items.erase(found);
    delete pControl;
    NeedParentUpdate();
    return true;
}

CControlUI* CContainerUI::GetItemAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount())
        return nullptr;
    return m_items[static_cast<size_t>(iIndex)];
}

void CContainerUI::SetInset(RECT rcInset)
{
    m_rcInset = rcInset;
    NeedParentUpdate();
}

void CContainerUI::SetChildPadding(int iPadding)
{
    m_iChildPadding = iPadding;
    NeedParentUpdate();
}

// Without a direction every flowing child covers the inner area (less its padding) or sits at its top-left
// corner with its fixed size.
void CContainerUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    CControlUI::SetPos(rc, bNeedInvalidate);
    const RECT area = InnerRect();
    for (CControlUI* pControl : m_items) {
        if (!Flows(pControl))
            continue;
        RECT rcChild{};
        PlaceAcross(rcChild, area, pControl, kHorizontal);
        PlaceAcross(rcChild, area, pControl, kVertical);
        pControl->SetPos(rcChild, false);
    }
    PlaceFloatChildren();
}

CControlUI* CContainerUI::FindControlAt(POINT pt)
{
    if (!CControlUI::FindControlAt(pt))
        return nullptr;
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (CControlUI* pFound = (*it)->FindControlAt(pt))
            return pFound;
    }
    return this;
}

CControlUI* CContainerUI::FindControlByName(LPCTSTR pstrName)
{
    if (CControlUI::FindControlByName(pstrName))
        return this;
    for (CControlUI* pControl : m_items) {
        if (CControlUI* pFound = pControl->FindControlByName(pstrName))
            return pFound;
    }
    return nullptr;
}

void CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    RECT rcDraw{};
    if (!IntersectRect(&rcDraw, &rcPaint, &m_rcItem))
        return;
    CControlUI::DoPaint(hDC, rcPaint);
    ClipScope clip(hDC, rcDraw);
    for (CControlUI* pControl : m_items) {
        if (pControl->IsVisible())
            pControl->DoPaint(hDC, rcDraw);
    }
}

bool CContainerUI::ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue)
{
    using C = CContainerUI;
    static const AttributeEntry<C> kEntries[] = {
        {L"inset", [](C& c, LPCTSTR n, LPCTSTR v) { RECT r{}; if (ParseRect(n, v, r)) c.SetInset(r); }},
        {L"childpadding", [](C& c, LPCTSTR n, LPCTSTR v) { int x = 0; if (ParseInt(n, v, x)) c.SetChildPadding(x); }},
    };
    return ApplyFromTable(kEntries, *this, pstrName, pstrValue) || CControlUI::ApplyAttribute(pstrName, pstrValue);
}

RECT CContainerUI::InnerRect() const
{
    return RECT{m_rcItem.left + m_rcInset.left, m_rcItem.top + m_rcInset.top, m_rcItem.right - m_rcInset.right,
                m_rcItem.bottom - m_rcInset.bottom};
}

void CContainerUI::PlaceFloatChildren()
{
    for (CControlUI* pControl : m_items) {
        if (!pControl->IsVisible() || !pControl->IsFloat())
            continue;
        RECT rc = pControl->GetFloatPos();
        if (rc.right <= rc.left && pControl->GetFixedWidth() > 0)
            rc.right = rc.left + pControl->GetFixedWidth();
        if (rc.bottom <= rc.top && pControl->GetFixedHeight() > 0)
            rc.bottom = rc.top + pControl->GetFixedHeight();
        OffsetRect(&rc, m_rcItem.left, m_rcItem.top);
        pControl->SetPos(rc, false);
    }
}

LONG CContainerUI::SpareLength(bool bVertical, int& nStretching) const
{
    const Span& along = bVertical ? kVertical : kHorizontal;
    const RECT area = InnerRect();
    int flowing = 0;
    LONG taken = 0;
    nStretching = 0;
    for (const CControlUI* pControl : m_items) {
        if (!Flows(pControl))
            continue;
        const RECT pad = pControl->GetPadding();
        const LONG fixed = FixedSize(pControl).*along.fixed;
        taken += fixed + pad.*along.start + pad.*along.end;
        nStretching += fixed > 0 ? 0 : 1;
        ++flowing;
    }
    taken += std::max(flowing - 1, 0) * m_iChildPadding;
    return std::max<LONG>(area.*along.end - area.*along.start - taken, 0);
}

void CContainerUI::LayoutInLine(bool bVertical)
{
    const Span& along = bVertical ? kVertical : kHorizontal;
    const Span& across = bVertical ? kHorizontal : kVertical;
    const RECT area = InnerRect();
    int stretching = 0;
    LONG spare = SpareLength(bVertical, stretching);
    LONG cursor = area.*along.start;
    for (CControlUI* pControl : m_items) {
        if (!Flows(pControl))
            continue;
        const RECT pad = pControl->GetPadding();
        LONG length = FixedSize(pControl).*along.fixed;
        if (length <= 0) {
            length = spare / stretching;  // the last stretching child takes the remainder
            spare -= length;
            --stretching;
        }
        RECT rc{};
        rc.*along.start = cursor + pad.*along.start;
        rc.*along.end = rc.*along.start + length;
        PlaceAcross(rc, area, pControl, across);
        pControl->SetPos(rc, false);
        cursor = rc.*along.end + pad.*along.end + m_iChildPadding;
    }
    PlaceFloatChildren();
}

}  // namespace DuiLib
