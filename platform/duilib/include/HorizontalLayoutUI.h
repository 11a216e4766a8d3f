// CHorizontalLayoutUI: lines its children up left to right; GUI thread only, owns its children.
#pragma once

#include "ContainerUI.h"

namespace DuiLib {

class CHorizontalLayoutUI : public CContainerUI {
public:
    LPCTSTR GetClass() const override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

}  // namespace DuiLib
