// The seam between the Win32 layer and the Qt-based layers above it (skinned windows, browser).
// Thread and ownership: GUI thread only; the layer owns every widget behind a window handle, except that
// an adopted widget is deleted by the layer when its window is destroyed (watch QObject::destroyed).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class QIcon;
class QPainter;
class QWidget;

namespace win32qt {

// Creates the one QApplication (xcb platform, arguments recorded by main) unless one exists.
// Never called from main itself: the same executable also runs as a browser sub-process.
void EnsureApplication();

// The arguments main recorded, argv as given; empty when main did not run (tests).
const std::vector<std::string>& RecordedArguments();

// Records the arguments; called by main before wWinMain.
void RecordArguments(int argc, char** argv);

// The widget behind a window handle, or null for an unknown or destroyed handle.
QWidget* WidgetFromHwnd(HWND hwnd);

// The handle of a widget created or adopted by this layer, or null.
HWND HwndFromWidget(const QWidget* widget);

// Registers an existing widget as a child window of `parent` placed at `rect` (client coordinates of
// the parent). The window then answers the ordinary window calls; destroying it or its parent
// deletes the widget with deleteLater (so it may be destroyed from inside one of its own signals).
// Returns null (and prints why) when the parent is not a window.
HWND AdoptChildWidget(QWidget* widget, HWND parent, DWORD style, const RECT& rect);

// The painter behind the HDC returned by BeginPaint, valid until EndPaint; null otherwise.
QPainter* PainterFromHdc(HDC hdc);

// Destroys the remaining windows and the QApplication this layer created; main calls it after
// wWinMain returns, test mains after the last test.
void ShutdownApplication();

// The image behind an icon handle from LoadIconW; a null QIcon for an unknown handle.
QIcon IconFromHicon(HICON icon);

}  // namespace win32qt
