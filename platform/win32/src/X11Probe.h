// Questions to the X server that Qt does not answer; GUI thread, uses Qt's own X connection.
#pragma once

namespace win32 {

class X11Probe {
 public:
  // True when a window manager announces itself on the root window (_NET_SUPPORTING_WM_CHECK).
  static bool WindowManagerRunning();
};

}  // namespace win32
