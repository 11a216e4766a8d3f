// Position, size and stacking of windows, and the WM_WINDOWPOS* messages that announce them;
// GUI thread only, operates on records owned by the WindowRegistry.
#pragma once

#include "Window.h"

#include <QMargins>

namespace win32 {

// Flags Windows keeps private in WINDOWPOS::flags; DefWindowProc reads them for WM_MOVE/WM_SIZE.
constexpr UINT kSwpNoClientSize = 0x0800;
constexpr UINT kSwpNoClientMove = 0x1000;
constexpr UINT kSwpStateChanged = 0x8000;

class WindowGeometry {
 public:
  static bool SetPos(Window& window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
  // A move or resize made outside our calls (window manager, user): announce it if it is news.
  static void ReportFromQt(Window& window);
  // Sends WM_WINDOWPOSCHANGING (informational) and WM_WINDOWPOSCHANGED for the current rectangle.
  static void Announce(Window& window, UINT flags);
  // Places the window so its outer rectangle (WINDOWPOS coordinates) is `outer`.
  static void ApplyWindowRect(Window& window, const QRect& outer);
  static QMargins FrameMargins(const Window& window);
  static void RememberNormal(Window& window);
  static void ShowWidget(Window& window, bool activate);
  static void HideWidget(Window& window);

  // Moving or sizing by the mouse: the window manager's when there is one, else our own.
  static void StartMoveOrResize(Window& window, int hitTest, const QPoint& cursor);
  static bool ContinueDrag(Window& window, const QPoint& cursor);
  static bool EndDrag(Window& window);

 private:
  static void Restack(Window& window, HWND insertAfter);
  static QRect DraggedRect(const DragState& drag, const QPoint& cursor);
};

}  // namespace win32
