// CTextUI: a label whose text wraps at word boundaries; GUI thread only.
#pragma once

#include "LabelUI.h"

namespace DuiLib {

class CTextUI : public CLabelUI {
public:
    CTextUI();
    LPCTSTR GetClass() const override;
};

}  // namespace DuiLib
