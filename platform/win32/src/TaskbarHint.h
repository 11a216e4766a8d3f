// Gives a top-level window the taskbar presence Windows would give it; GUI thread, uses Qt's own
// X connection. Stateless.
#pragma once

namespace win32 {

class Window;

class TaskbarHint {
 public:
  // Windows lists a window when it has WS_EX_APPWINDOW, or has neither an owner nor
  // WS_EX_TOOLWINDOW.
  static bool ShowsInTaskbar(const Window& window);
  // Writes _NET_WM_STATE_SKIP_TASKBAR to match. Call while the native window is unmapped: the
  // window manager reads the state when the window is mapped, and Qt merges its own state into it.
  static void Apply(const Window& window);
};

}  // namespace win32
