// CVerticalLayoutUI: stacks its children top to bottom; GUI thread only, owns its children.
#pragma once

#include "ContainerUI.h"

namespace DuiLib {

class CVerticalLayoutUI : public CContainerUI {
public:
    LPCTSTR GetClass() const override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

}  // namespace DuiLib
