#include "Window.h"

#include <QWidget>

namespace win32 {

LRESULT Window::Call(UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC current = proc;
  return current ? current(hwnd, msg, wParam, lParam) : 0;
}

RECT Window::WindowRect() const {
  if (!widget) return RECT{};
  if (IsChild() || adopted) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return ToRect(QRect(origin, widget->size()));
  }
  return ToRect(HasFrame() ? widget->frameGeometry() : widget->geometry());
}

RECT Window::PosRect() const {
  if (!widget) return RECT{};
  if (IsChild() || adopted) return ToRect(widget->geometry());
  return WindowRect();
}

QPoint Window::ClientOrigin() const {
  if (!widget) return {};
  return widget->mapToGlobal(QPoint(0, 0));
}

QPoint Window::MovePosition() const {
  if (!widget) return {};
  return (IsChild() || adopted) ? widget->pos() : ClientOrigin();
}

SIZE Window::ClientSize() const {
  if (!widget) return SIZE{};
  return SIZE{widget->width(), widget->height()};
}

RECT ToRect(const QRect& r) {
  return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const RECT& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace win32
