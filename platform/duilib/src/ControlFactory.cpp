#include "ControlFactory.h"

#include <cwchar>

#include "ButtonUI.h"
#include "ContainerUI.h"
#include "HorizontalLayoutUI.h"
#include "LabelUI.h"
#include "TextUI.h"
#include "VerticalLayoutUI.h"

namespace DuiLib {

CControlUI* ControlFactory::Create(LPCTSTR pstrClass)
{
    struct Maker {
        LPCTSTR name;
        CControlUI* (*make)();
    };
    static const Maker kMakers[] = {
        {L"Control", []() -> CControlUI* { return new CControlUI; }},
        {L"Container", []() -> CControlUI* { return new CContainerUI; }},
        {L"VerticalLayout", []() -> CControlUI* { return new CVerticalLayoutUI; }},
        {L"HorizontalLayout", []() -> CControlUI* { return new CHorizontalLayoutUI; }},
        {L"Label", []() -> CControlUI* { return new CLabelUI; }},
        {L"Text", []() -> CControlUI* { return new CTextUI; }},
        {L"Button", []() -> CControlUI* { return new CButtonUI; }},
    };
    for (const Maker& maker : kMakers) {
        if (wcscmp(maker.name, pstrClass) == 0)
            return maker.make();
    }
    return nullptr;
}

}  // namespace DuiLib
