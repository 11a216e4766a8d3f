// Turns Win32 styles into Qt window flags and keeps a window's widget in line with them;
// GUI thread only, operates on records owned by the WindowRegistry.
#pragma once

#include "Window.h"

#include <Qt>

namespace win32 {

class WindowStyle {
 public:
  static Qt::WindowFlags FlagsFor(const Window& window);
  // Re-applies flags (frame, stacking, taskbar) after a style change, keeping geometry,
  // visibility and the owner relation.
  static void Apply(Window& window);
  // Makes the owner's window the transient parent so the window manager keeps it above.
  static void AttachToOwner(Window& window);
  // Renews the transient links of the window and of the windows it owns once its native
  // window has been made anew.
  static void RelinkNativeWindow(Window& window);
  // Shows or hides the widget for a changed WS_VISIBLE bit, without messages.
  static void SyncVisibility(Window& window);
};

}  // namespace win32
