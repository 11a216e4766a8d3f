// TNotifyUI: one notification from a control to its window's notifiers; created and consumed on the GUI thread.
#pragma once

#include "DuiString.h"

namespace DuiLib {

class CControlUI;

struct TNotifyUI {
    CDuiString sType;
    CDuiString sVirtualWnd;
    CControlUI* pSender = nullptr;  // not owned; valid during delivery
    DWORD dwTimestamp = 0;
    POINT ptMouse{};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

}  // namespace DuiLib
