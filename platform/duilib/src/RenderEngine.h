// Drawing primitives for controls on the painter behind a paint HDC; GUI thread, during WM_PAINT only.
// Nothing here owns the painter: it belongs to the window layer between BeginPaint and EndPaint.
#pragma once

#include <QString>

#include "DuiString.h"

class QPainter;

namespace DuiLib {

struct TextStyle {
    DWORD dwColor = 0xFF000000;
    int nPixelSize = 12;
    bool bBold = false;
    UINT uAlign = 0;
};

class RenderEngine {
public:
    // The painter of a paint HDC, or null (with one line) when the HDC is not one.
    static QPainter* Painter(HDC hDC);
    static void FillColor(HDC hDC, const RECT& rc, DWORD dwColor);
    static void DrawImage(HDC hDC, const RECT& rc, const QString& path);
    static void DrawBorder(HDC hDC, const RECT& rc, DWORD dwColor, int nSize);
    static void DrawText(HDC hDC, const RECT& rc, const CDuiString& text, const TextStyle& style);
};

}  // namespace DuiLib
