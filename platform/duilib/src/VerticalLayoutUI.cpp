#include "VerticalLayoutUI.h"

namespace DuiLib {

LPCTSTR CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

void CVerticalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    CControlUI::SetPos(rc, bNeedInvalidate);
    LayoutInLine(true);
}

}  // namespace DuiLib
