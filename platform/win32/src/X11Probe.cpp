#include "X11Probe.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace win32 {

bool X11Probe::WindowManagerRunning() {
  auto* app = qGuiApp;
  if (!app) return false;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) return false;
  Display* display = x11->display();
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == 0) return false;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &count, &remaining, &data);
  const bool found = status == Success && data && count == 1;
  if (data) XFree(data);
  return found;
}

}  // namespace win32
