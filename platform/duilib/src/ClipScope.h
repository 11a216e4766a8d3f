// ClipScope: narrows painting to a rectangle for the life of the scope; GUI thread, during WM_PAINT only.
#pragma once

#include <windows.h>

class QPainter;

namespace DuiLib {

class ClipScope {
public:
    ClipScope(HDC hDC, const RECT& rc);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    QPainter* m_painter;
};

}  // namespace DuiLib
