#include "WindowState.h"

#include "WindowGeometry.h"
#include "X11Probe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <map>

namespace win32 {

enum class Target { Keep, Normal, Minimized, Maximized, Restore };

struct WindowState::Command {
  bool show;
  Target target;
  bool activate;
};

namespace {

ShowState FromQt(Qt::WindowStates states) {
  if (states & Qt::WindowMinimized) return ShowState::Minimized;
  if (states & Qt::WindowMaximized) return ShowState::Maximized;
  return ShowState::Normal;
}

Qt::WindowState ToQt(ShowState state) {
  switch (state) {
    case ShowState::Minimized: return Qt::WindowMinimized;
    case ShowState::Maximized: return Qt::WindowMaximized;
    case ShowState::Normal: break;
  }
  return Qt::WindowNoState;
}

}  // namespace

const WindowState::Command& WindowState::CommandFor(int cmd) {
  static const std::map<int, Command> table = {
      {SW_HIDE, {false, Target::Keep, false}},
      {SW_SHOWNORMAL, {true, Target::Normal, true}},
      {SW_SHOWMINIMIZED, {true, Target::Minimized, true}},
      {SW_SHOWMAXIMIZED, {true, Target::Maximized, true}},
      {SW_SHOWNOACTIVATE, {true, Target::Normal, false}},
      {SW_SHOW, {true, Target::Keep, true}},
      {SW_MINIMIZE, {true, Target::Minimized, false}},
      {SW_SHOWMINNOACTIVE, {true, Target::Minimized, false}},
      {SW_SHOWNA, {true, Target::Keep, false}},
      {SW_RESTORE, {true, Target::Restore, true}},
      {SW_SHOWDEFAULT, {true, Target::Normal, true}},
      {SW_FORCEMINIMIZE, {true, Target::Minimized, false}},
  };
  const auto it = table.find(cmd);
  return it == table.end() ? table.at(SW_SHOW) : it->second;
}

QRect WindowState::WorkArea(const Window& window) {
  QScreen* screen = window.widget ? window.widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QRect WindowState::NormalOuterRect(const Window& window) {
  return window.normalGeometry.marginsAdded(WindowGeometry::FrameMargins(window));
}

QRect WindowState::MaximizedRect(Window& window) {
  const QRect work = WorkArea(window);
  const QMargins frame = WindowGeometry::FrameMargins(window);
  const QRect outer = work.marginsAdded(frame);
  MINMAXINFO info{};
  info.ptMaxSize = POINT{outer.width(), outer.height()};
  info.ptMaxPosition = POINT{-frame.left(), -frame.top()};
  info.ptMaxTrackSize = info.ptMaxSize;
  window.Call(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return QRect(work.left() + info.ptMaxPosition.x, work.top() + info.ptMaxPosition.y, info.ptMaxSize.x,
               info.ptMaxSize.y);
}

bool WindowState::ApplyState(Window& window, ShowState target) {
  if (target == window.showState || window.IsChild() || !window.widget) return false;
  if (window.showState == ShowState::Normal) {
    WindowGeometry::RememberNormal(window);
    window.managerNormal = window.normalGeometry;
  }
  window.restoreToMaximized = target == ShowState::Minimized &&
                              (window.restoreToMaximized || window.showState == ShowState::Maximized);
  const bool manager = X11Probe::WindowManagerRunning();
  const QRect maximized = target == ShowState::Maximized ? MaximizedRect(window) : QRect();
  window.showState = target;
  window.pendingState = manager ? std::optional<ShowState>(target) : std::nullopt;
  window.applyingGeometry = true;
  window.widget->setWindowState(ToQt(target));
  // A window manager restores the place the window left by itself; asking for it as well makes
  // Qt's idea of the geometry run ahead of the manager's, and a later configure can be lost.
  if (target == ShowState::Normal && (!manager || window.normalGeometry != window.managerNormal))
    WindowGeometry::ApplyWindowRect(window, NormalOuterRect(window));
  // Without a window manager nobody else resizes a maximised window.
  if (target == ShowState::Maximized && !manager) WindowGeometry::ApplyWindowRect(window, maximized);
  window.applyingGeometry = false;
  return true;
}

bool WindowState::Hide(Window& window) {
  if (!(window.style & WS_VISIBLE)) return false;
  window.Call(WM_SHOWWINDOW, FALSE, 0);
  WINDOWPOS pos{window.hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER};
  window.Call(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  window.applyingGeometry = true;
  WindowGeometry::HideWidget(window);
  window.applyingGeometry = false;
  WindowGeometry::Announce(window, pos.flags);
  return true;
}

ShowState WindowState::WantedState(const Window& window, const Command& command) {
  switch (command.target) {
    case Target::Keep: return window.showState;
    case Target::Normal: return ShowState::Normal;
    case Target::Minimized: return ShowState::Minimized;
    case Target::Maximized: return ShowState::Maximized;
    case Target::Restore: break;
  }
  const bool toMax = window.showState == ShowState::Minimized && window.restoreToMaximized;
  return toMax ? ShowState::Maximized : ShowState::Normal;
}

BOOL WindowState::Show(Window& window, int cmd) {
  const Command& command = CommandFor(cmd);
  const bool wasVisible = window.style & WS_VISIBLE;
  if (!command.show) return Hide(window);
  if (!wasVisible) window.Call(WM_SHOWWINDOW, TRUE, 0);
  UINT flags = SWP_NOZORDER | (command.activate ? 0 : SWP_NOACTIVATE);
  if (ApplyState(window, WantedState(window, command))) flags |= kSwpStateChanged;
  if (!wasVisible) flags |= SWP_SHOWWINDOW;
  if (flags & (SWP_SHOWWINDOW | kSwpStateChanged)) {
    WINDOWPOS pos{window.hwnd, nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE};
    window.Call(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    window.applyingGeometry = true;
    if (!wasVisible) WindowGeometry::ShowWidget(window, command.activate);
    window.applyingGeometry = false;
    WindowGeometry::Announce(window, flags);
  }
  return wasVisible;
}

void WindowState::OnQtStateChange(Window& window) {
  if (window.applyingGeometry || !window.widget || window.IsChild()) return;
  const ShowState now = FromQt(window.widget->windowState());
  if (window.pendingState) {
    if (now == *window.pendingState) window.pendingState.reset();
    return;
  }
  if (now == window.showState) return;
  window.restoreToMaximized = now == ShowState::Minimized && window.showState == ShowState::Maximized;
  window.showState = now;
  WindowGeometry::Announce(window, SWP_NOZORDER | SWP_NOACTIVATE | kSwpStateChanged);
}

void WindowState::GetPlacement(const Window& window, WINDOWPLACEMENT* placement) {
  placement->length = sizeof(WINDOWPLACEMENT);
  placement->flags = window.restoreToMaximized && window.showState == ShowState::Minimized ? WPF_RESTORETOMAXIMIZED : 0;
  placement->showCmd = window.showState == ShowState::Minimized   ? SW_SHOWMINIMIZED
                       : window.showState == ShowState::Maximized ? SW_SHOWMAXIMIZED
                                                                  : SW_SHOWNORMAL;
  placement->ptMinPosition = POINT{-1, -1};
  placement->ptMaxPosition = POINT{-1, -1};
  QRect normal = window.showState == ShowState::Normal && window.widget
                     ? window.widget->geometry().marginsAdded(WindowGeometry::FrameMargins(window))
                     : NormalOuterRect(window);
  // Top-level windows other than tool windows report work-area coordinates.
  if (!(window.exStyle & WS_EX_TOOLWINDOW)) normal.translate(-WorkArea(window).topLeft());
  placement->rcNormalPosition = ToRect(normal);
}

void WindowState::SetPlacement(Window& window, const WINDOWPLACEMENT& placement) {
  QRect outer = ToQRect(placement.rcNormalPosition);
  if (!(window.exStyle & WS_EX_TOOLWINDOW)) outer.translate(WorkArea(window).topLeft());
  const QRect normal = outer.marginsRemoved(WindowGeometry::FrameMargins(window));
  if (placement.flags & WPF_RESTORETOMAXIMIZED) window.restoreToMaximized = true;
  const int cmd = static_cast<int>(placement.showCmd);
  window.normalGeometry = normal;
  // Only a window that stays normal is moved: a move sent just before a maximise or minimise
  // races the window manager's own configure, which may then be lost.
  const bool staysNormal = window.showState == ShowState::Normal &&
                           (!CommandFor(cmd).show || WantedState(window, CommandFor(cmd)) == ShowState::Normal);
  if (staysNormal) {
    WindowGeometry::SetPos(window, nullptr, outer.x(), outer.y(), outer.width(), outer.height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Show(window, cmd);
  window.normalGeometry = normal;  // leaving the normal state remembered where the window was
}

}  // namespace win32
