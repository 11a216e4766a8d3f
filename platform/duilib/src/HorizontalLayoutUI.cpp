#include "HorizontalLayoutUI.h"

namespace DuiLib {

LPCTSTR CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

void CHorizontalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    CControlUI::SetPos(rc, bNeedInvalidate);
    LayoutInLine(false);
}

}  // namespace DuiLib
