#include "TaskbarHint.h"

#include "Window.h"

#include <QGuiApplication>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <vector>

namespace win32 {
namespace {

std::vector<Atom> ReadStates(Display* display, ::Window native, Atom property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::vector<Atom> states;
  if (XGetWindowProperty(display, native, property, 0, 64, False, XA_ATOM, &type, &format, &count, &remaining,
                         &data) == Success &&
      data && format == 32) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    states.assign(atoms, atoms + count);
  }
  if (data) XFree(data);
  return states;
}

}  // namespace

bool TaskbarHint::ShowsInTaskbar(const Window& window) {
  if (window.exStyle & WS_EX_APPWINDOW) return true;
  return !window.owner && !(window.exStyle & WS_EX_TOOLWINDOW);
}

void TaskbarHint::Apply(const Window& window) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->display() || !window.widget || window.IsChild() || !window.widget->internalWinId()) return;
  Display* display = x11->display();
  const auto native = static_cast<::Window>(window.widget->internalWinId());
  const Atom property = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom skip = XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False);
  std::vector<Atom> states = ReadStates(display, native, property);
  const bool skipping = std::find(states.begin(), states.end(), skip) != states.end();
  const bool wanted = !ShowsInTaskbar(window);
  if (skipping == wanted) return;
  if (wanted) states.push_back(skip);
  else states.erase(std::remove(states.begin(), states.end(), skip), states.end());
  XChangeProperty(display, native, property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
  XFlush(display);
}

}  // namespace win32
