// INotifyUI: receives control notifications on the GUI thread; the paint manager does not own notifiers.
#pragma once

#include "TNotifyUI.h"

namespace DuiLib {

class INotifyUI {
public:
    virtual void Notify(TNotifyUI& msg) = 0;

protected:
    ~INotifyUI() = default;
};

}  // namespace DuiLib
