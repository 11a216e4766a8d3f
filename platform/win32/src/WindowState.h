// ShowWindow, minimise/maximise/restore and window placement; GUI thread only, operates on records
// owned by the WindowRegistry.
#pragma once

#include "Window.h"

namespace win32 {

class WindowState {
 public:
  // Returns whether the window was visible before, as ShowWindow does.
  static BOOL Show(Window& window, int cmd);
  // The window manager (or user) minimised, maximised or restored the window.
  static void OnQtStateChange(Window& window);
  static void GetPlacement(const Window& window, WINDOWPLACEMENT* placement);
  static void SetPlacement(Window& window, const WINDOWPLACEMENT& placement);
  // The work area of the screen the window is on, in screen coordinates.
  static QRect WorkArea(const Window& window);

 private:
  struct Command;
  static const Command& CommandFor(int cmd);
  static ShowState WantedState(const Window& window, const Command& command);
  static bool Hide(Window& window);
  static bool ApplyState(Window& window, ShowState target);
  static QRect MaximizedRect(Window& window);
  static QRect NormalOuterRect(const Window& window);
};

}  // namespace win32
