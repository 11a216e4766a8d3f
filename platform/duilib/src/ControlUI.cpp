#include "ControlUI.h"

#include <algorithm>

#include "AttributeTable.h"
#include "AttributeValues.h"
#include "DuiLog.h"
#include "PaintManagerUI.h"
#include "QtText.h"
#include "RenderEngine.h"

namespace DuiLib {

namespace {

bool Intersects(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

CControlUI::CControlUI() = default;

CControlUI::~CControlUI()
{
    if (m_pManager)
        m_pManager->ReapControl(this);
}

LPCTSTR CControlUI::GetClass() const { return L"ControlUI"; }

void CControlUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent)
{
    m_pManager = pManager;
    m_pParent = pParent;
}

void CControlUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
    if (bNeedInvalidate)
        Invalidate();
    m_rcItem = rc;
    if (bNeedInvalidate)
        Invalidate();
}

void CControlUI::SetFixedWidth(int cx)
{
    m_cxyFixed.cx = std::max(cx, 0);
    NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int cy)
{
    m_cxyFixed.cy = std::max(cy, 0);
    NeedParentUpdate();
}

void CControlUI::SetPadding(RECT rcPadding)
{
    m_rcPadding = rcPadding;
    NeedParentUpdate();
}

void CControlUI::SetFloat(bool bFloat)
{
    m_bFloat = bFloat;
    NeedParentUpdate();
}

void CControlUI::SetFloatPos(RECT rc)
{
    m_rcFloatPos = rc;
    NeedParentUpdate();
}

void CControlUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    NeedParentUpdate();
}

void CControlUI::SetEnabled(bool bEnabled)
{
    m_bEnabled = bEnabled;
    Invalidate();
}

bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }

void CControlUI::SetText(LPCTSTR pstrText)
{
    m_sText = pstrText;
    Invalidate();
}

void CControlUI::SetBkColor(DWORD dwColor)
{
    m_dwBkColor = dwColor;
    Invalidate();
}

void CControlUI::SetBkImage(LPCTSTR pstrImage)
{
    m_sBkImage = pstrImage;
    Invalidate();
}

void CControlUI::SetBorderColor(DWORD dwColor)
{
    m_dwBorderColor = dwColor;
    Invalidate();
}

void CControlUI::SetBorderSize(int nSize)
{
    m_nBorderSize = std::max(nSize, 0);
    Invalidate();
}

void CControlUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue)
{
    if (ApplyAttribute(pstrName, pstrValue))
        return;
    DuiLog(QStringLiteral("%1 has no attribute '%2'").arg(ToQString(GetClass()), ToQString(pstrName)));
}

bool CControlUI::ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue)
{
    using C = CControlUI;
    static const AttributeEntry<C> kEntries[] = {
        {L"name", [](C& c, LPCTSTR, LPCTSTR v) { c.SetName(v); }},
        {L"text", [](C& c, LPCTSTR, LPCTSTR v) { c.SetText(v); }},
        {L"tooltip", [](C& c, LPCTSTR, LPCTSTR v) { c.SetToolTip(v); }},
        {L"bkimage", [](C& c, LPCTSTR, LPCTSTR v) { c.SetBkImage(v); }},
        {L"width", [](C& c, LPCTSTR n, LPCTSTR v) { int x = 0; if (ParseInt(n, v, x)) c.SetFixedWidth(x); }},
        {L"height", [](C& c, LPCTSTR n, LPCTSTR v) { int x = 0; if (ParseInt(n, v, x)) c.SetFixedHeight(x); }},
        {L"padding", [](C& c, LPCTSTR n, LPCTSTR v) { RECT r{}; if (ParseRect(n, v, r)) c.SetPadding(r); }},
        {L"pos", [](C& c, LPCTSTR n, LPCTSTR v) { RECT r{}; if (ParseRect(n, v, r)) c.SetFloatPos(r); }},
        {L"float", [](C& c, LPCTSTR n, LPCTSTR v) { bool b = false; if (ParseBool(n, v, b)) c.SetFloat(b); }},
        {L"visible", [](C& c, LPCTSTR n, LPCTSTR v) { bool b = true; if (ParseBool(n, v, b)) c.SetVisible(b); }},
        {L"enabled", [](C& c, LPCTSTR n, LPCTSTR v) { bool b = true; if (ParseBool(n, v, b)) c.SetEnabled(b); }},
        {L"bkcolor", [](C& c, LPCTSTR n, LPCTSTR v) { DWORD d = 0; if (ParseColor(n, v, d)) c.SetBkColor(d); }},
        {L"bordercolor", [](C& c, LPCTSTR n, LPCTSTR v) { DWORD d = 0; if (ParseColor(n, v, d)) c.SetBorderColor(d); }},
        {L"bordersize", [](C& c, LPCTSTR n, LPCTSTR v) { int x = 0; if (ParseInt(n, v, x)) c.SetBorderSize(x); }},
    };
    return ApplyFromTable(kEntries, *this, pstrName, pstrValue);
}

CControlUI* CControlUI::FindControlAt(POINT pt)
{
    if (!IsVisible() || !PtInRect(&m_rcItem, pt))
        return nullptr;
    return this;
}

CControlUI* CControlUI::FindControlByName(LPCTSTR pstrName) { return m_sName == pstrName ? this : nullptr; }

void CControlUI::DoEvent(TEventUI& event)
{
    if (m_pParent)
        m_pParent->DoEvent(event);
}

void CControlUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!Intersects(rcPaint, m_rcItem))
        return;
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    PaintStatusImage(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
}

void CControlUI::Invalidate()
{
    if (m_pManager && IsVisible())
        m_pManager->Invalidate(m_rcItem);
}

void CControlUI::PaintBkColor(HDC hDC) { FillColor(hDC, m_dwBkColor); }

void CControlUI::PaintBkImage(HDC hDC) { DrawImage(hDC, m_sBkImage); }

void CControlUI::PaintStatusImage(HDC) {}

void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC hDC) { RenderEngine::DrawBorder(hDC, m_rcItem, m_dwBorderColor, m_nBorderSize); }

void CControlUI::NeedParentUpdate()
{
    if (m_pManager)
        m_pManager->NeedUpdate();
}

void CControlUI::DrawImage(HDC hDC, const CDuiString& image)
{
    if (image.IsEmpty() || !m_pManager)
        return;
    RenderEngine::DrawImage(hDC, m_rcItem, ToQString(m_pManager->ResolveResourceFile(image)));
}

void CControlUI::FillColor(HDC hDC, DWORD dwColor) { RenderEngine::FillColor(hDC, m_rcItem, dwColor); }

}  // namespace DuiLib
