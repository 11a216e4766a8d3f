#include "WindowStyle.h"

#include "WindowRegistry.h"

#include <QWidget>
#include <QWindow>

namespace win32 {
namespace {

Qt::WindowFlags TypeFlags(const Window& window) {
  const bool tool = window.exStyle & WS_EX_TOOLWINDOW;
  // Qt on X11 writes WM_TRANSIENT_FOR only for dialog and tool windows, so owned windows use them.
  if (window.owner) return tool ? Qt::Tool : Qt::Dialog;
  return tool ? Qt::Tool : Qt::Window;
}

Qt::WindowFlags FrameFlags(const Window& window) {
  if (!window.HasFrame()) return Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (window.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window.style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (window.style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

}  // namespace

Qt::WindowFlags WindowStyle::FlagsFor(const Window& window) {
  if (window.IsChild()) return Qt::Widget;
  Qt::WindowFlags flags = TypeFlags(window) | FrameFlags(window);
  if (window.exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
  if (window.exStyle & WS_EX_NOACTIVATE) flags |= Qt::WindowDoesNotAcceptFocus;
  return flags;
}

void WindowStyle::AttachToOwner(Window& window) {
  if (window.IsChild() || !window.owner || !window.widget) return;
  auto owner = WindowRegistry::Instance().Find(window.owner);
  if (!owner || !owner->widget) return;
  QWidget* ownerTop = owner->widget->window();
  window.widget->winId();
  ownerTop->winId();
  window.widget->windowHandle()->setTransientParent(ownerTop->windowHandle());
}

// Qt makes a new native window when the flags change or when a texture-drawn child such as a
// browser view arrives; the transient link to the owner, and those of the owned windows, would
// otherwise still name the old one and the owned windows would fall below their owner.
void WindowStyle::RelinkNativeWindow(Window& window) {
  if (!window.widget || window.IsChild() || !window.widget->internalWinId()) return;
  AttachToOwner(window);
  for (const auto& owned : WindowRegistry::Instance().Owned(window.hwnd)) {
    if (owned->widget && owned->widget->internalWinId()) AttachToOwner(*owned);
  }
}

void WindowStyle::Apply(Window& window) {
  if (!window.widget || window.IsChild()) return;
  const Qt::WindowFlags flags = FlagsFor(window);
  if (window.widget->windowFlags() == flags) return;
  const bool visible = window.widget->isVisible();
  const QRect geometry = window.widget->geometry();
  window.applyingGeometry = true;
  window.widget->setWindowFlags(flags);
  window.widget->setGeometry(geometry);
  AttachToOwner(window);
  if (visible) window.widget->show();
  window.applyingGeometry = false;
}

void WindowStyle::SyncVisibility(Window& window) {
  if (!window.widget) return;
  const bool wanted = window.style & WS_VISIBLE;
  if (wanted == !window.widget->isHidden()) return;
  window.applyingGeometry = true;
  window.widget->setVisible(wanted);
  window.applyingGeometry = false;
}

}  // namespace win32
