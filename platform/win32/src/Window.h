// One window handle's state. Fields are read and written on the window's own thread, except the
// immutable hwnd/threadId read by any thread; the WindowRegistry owns the record, the record owns
// its widget (deleted on destruction) through a guarded pointer.
#pragma once

#include "ClassRegistry.h"

#include <windows.h>

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace win32 {

enum class ShowState { Normal, Minimized, Maximized };

// A mouse move or resize that this layer carries out itself because no window manager can.
struct DragState {
  int hitTest = HTNOWHERE;
  QPoint startCursor;
  QRect startGeometry;
};

class Window {
 public:
  HWND hwnd = nullptr;
  DWORD threadId = 0;
  std::shared_ptr<const WindowClass> cls;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;
  HWND owner = nullptr;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::wstring text;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  QPointer<QWidget> widget;
  bool adopted = false;
  bool destroying = false;
  bool trackingLeave = false;
  ShowState showState = ShowState::Normal;
  bool restoreToMaximized = false;
  // A state we asked the window manager for and it has not confirmed; Qt's echoes of older states
  // arriving meanwhile are stale.
  std::optional<ShowState> pendingState;
  QRect normalGeometry;  // client geometry in screen coordinates while not minimised/maximised
  QRect managerNormal;   // normalGeometry when the window last left the normal state
  RECT reportedRect{};   // last window rectangle announced with WM_WINDOWPOSCHANGED
  bool applyingGeometry = false;  // our own geometry change; Qt's echo of it is not news
  bool ncPressed = false;         // the current button press began outside the client area
  std::unique_ptr<DragState> drag;

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  bool HasFrame() const { return !IsChild() && (style & WS_CAPTION) == WS_CAPTION; }

  // Calls the window procedure directly; the caller is on the window's thread.
  LRESULT Call(UINT msg, WPARAM wParam, LPARAM lParam);

  // Outer rectangle in screen coordinates (the client for frameless and child windows).
  RECT WindowRect() const;
  // The client area's origin in screen coordinates.
  QPoint ClientOrigin() const;
  // WINDOWPOS coordinates: screen for top-level windows, parent client for children.
  RECT PosRect() const;
  // The position WM_MOVE reports: screen coordinates for top-level, parent client for children.
  QPoint MovePosition() const;
  SIZE ClientSize() const;
};

RECT ToRect(const QRect& r);
QRect ToQRect(const RECT& r);
bool SameRect(const RECT& a, const RECT& b);

}  // namespace win32
