#include "TextUI.h"

namespace DuiLib {

CTextUI::CTextUI() { m_uTextAlign = UIALIGN_LEFT | UIALIGN_TOP | UIALIGN_WORDBREAK; }

LPCTSTR CTextUI::GetClass() const { return L"TextUI"; }

}  // namespace DuiLib
