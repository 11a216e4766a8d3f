// Constants shared by the skinned-window library and its users; plain values, no state, usable from any thread.
#pragma once

#include <windows.h>

namespace DuiLib {

// Notification types carried in TNotifyUI::sType.
#define DUI_MSGTYPE_CLICK L"click"

// Window and class styles for CWindowWnd::Create, as skinned windows commonly use them.
#define UI_WNDSTYLE_CONTAINER (0)
#define UI_WNDSTYLE_FRAME (WS_VISIBLE | WS_OVERLAPPEDWINDOW)
#define UI_WNDSTYLE_CHILD (WS_VISIBLE | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)
#define UI_WNDSTYLE_DIALOG (WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)
#define UI_WNDSTYLE_EX_FRAME (0)
#define UI_WNDSTYLE_EX_DIALOG (WS_EX_TOOLWINDOW)
#define UI_CLASSSTYLE_CONTAINER (0)
#define UI_CLASSSTYLE_FRAME (CS_VREDRAW | CS_HREDRAW)
#define UI_CLASSSTYLE_CHILD (CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)
#define UI_CLASSSTYLE_DIALOG (CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)

// Text placement inside a control; one horizontal and one vertical flag combine.
enum UITextAlign : UINT {
    UIALIGN_LEFT = 0x01,
    UIALIGN_CENTER = 0x02,
    UIALIGN_RIGHT = 0x04,
    UIALIGN_TOP = 0x10,
    UIALIGN_VCENTER = 0x20,
    UIALIGN_BOTTOM = 0x40,
    UIALIGN_WORDBREAK = 0x100,
};

// Mouse events the paint manager routes to a control's DoEvent.
enum UIEventType {
    UIEVENT_MOUSEENTER = 1,
    UIEVENT_MOUSELEAVE,
    UIEVENT_MOUSEMOVE,
    UIEVENT_BUTTONDOWN,
    UIEVENT_BUTTONUP,
};

}  // namespace DuiLib
