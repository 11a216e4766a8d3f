// ControlFactory: makes the library's own controls from their layout element names; any thread, and the
// caller owns what it returns.
#pragma once

#include <windows.h>

namespace DuiLib {

class CControlUI;

class ControlFactory {
public:
    // Null for a name the library does not know.
    static CControlUI* Create(LPCTSTR pstrClass);
};

}  // namespace DuiLib
