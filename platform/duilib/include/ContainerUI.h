// CContainerUI: a control that owns child controls and places each over its inner area; GUI thread only.
// Children added here are deleted with the container.
#pragma once

#include <vector>

#include "ControlUI.h"

namespace DuiLib {

class CContainerUI : public CControlUI {
public:
    CContainerUI() = default;
    ~CContainerUI() override;

    LPCTSTR GetClass() const override;
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent) override;

    bool Add(CControlUI* pControl);
    // Deletes the control when it is a child; false when it is not.
    bool Remove(CControlUI* pControl);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    CControlUI* GetItemAt(int iIndex) const;

    RECT GetInset() const { return m_rcInset; }
    void SetInset(RECT rcInset);
    int GetChildPadding() const { return m_iChildPadding; }
    void SetChildPadding(int iPadding);

    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    CControlUI* FindControlAt(POINT pt) override;
    CControlUI* FindControlByName(LPCTSTR pstrName) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;

protected:
    bool ApplyAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
    RECT InnerRect() const;
    // Places floating children; every layout calls this after its flow.
    void PlaceFloatChildren();
    // Places the flowing children one after another along one axis, sharing spare room among stretching ones.
    void LayoutInLine(bool bVertical);
    // Room along the axis left for the stretching children, and how many of them there are.
    LONG SpareLength(bool bVertical, int& nStretching) const;

    std::vector<CControlUI*> m_items;
    RECT m_rcInset{};
    int m_iChildPadding = 0;
};

}  // namespace DuiLib
