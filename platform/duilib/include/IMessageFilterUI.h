// IMessageFilterUI: sees window messages before the paint manager, on the GUI thread; filters are not owned.
#pragma once

#include <windows.h>

namespace DuiLib {

class IMessageFilterUI {
public:
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;

protected:
    ~IMessageFilterUI() = default;
};

}  // namespace DuiLib
