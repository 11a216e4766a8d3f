// Small helpers for tests that drive real windows: screen pixels, pointer buttons and rectangle arithmetic.
// GUI thread only; stateless.
#pragma once

#include <QColor>
#include <windows.h>

// The colour on screen at a point in screen coordinates.
QColor ScreenPixel(POINT pt);
bool MoveMouseTo(POINT pt);
// xdotool's mousedown, mouseup or click for the left button, wherever the pointer is.
bool LeftButton(const char* action);
POINT CenterOf(const RECT& rc);
// True once the window manager lists the window among its clients, or at once when there is none:
// a manager ignores move requests for windows it has not taken on yet.
bool ManagedOrNoManager(HWND hwnd);
// Channels within a small tolerance, since scaling and blending round.
bool Near(const QColor& actual, const QColor& expected, int tolerance = 12);
