// IDialogBuilderCallback: makes controls for class names the layout reader does not know; called on the GUI
// thread, and the returned control is owned by the tree it is put into.
#pragma once

#include <windows.h>

namespace DuiLib {

class CControlUI;

class IDialogBuilderCallback {
public:
    virtual CControlUI* CreateControl(LPCTSTR pstrClass) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};

}  // namespace DuiLib
