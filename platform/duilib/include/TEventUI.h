// TEventUI: one mouse event routed by the paint manager to a control; lives on the GUI thread for one call.
#pragma once

#include "UIDefine.h"

namespace DuiLib {

class CControlUI;

struct TEventUI {
    UIEventType Type = UIEVENT_MOUSEMOVE;
    CControlUI* pSender = nullptr;  // not owned
    DWORD dwTimestamp = 0;
    POINT ptMouse{};  // client coordinates
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

}  // namespace DuiLib
