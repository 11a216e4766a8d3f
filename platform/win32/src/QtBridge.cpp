// The bridge used by the Qt-based layers; see qt/QtBridge.h.
#include "qt/QtBridge.h"

#include "Application.h"
#include "IconRegistry.h"
#include "PaintRegistry.h"
#include "WindowLifecycle.h"
#include "WindowRegistry.h"

#include <QIcon>
#include <QWidget>

namespace win32qt {

void EnsureApplication() {
  win32::Application::Ensure();
}

const std::vector<std::string>& RecordedArguments() {
  return win32::Application::Arguments();
}

void RecordArguments(int argc, char** argv) {
  win32::Application::Record(argc, argv);
}

QWidget* WidgetFromHwnd(HWND hwnd) {
  auto window = win32::WindowRegistry::Instance().Find(hwnd);
  return window ? window->widget.data() : nullptr;
}

HWND HwndFromWidget(const QWidget* widget) {
  for (const auto& window : win32::WindowRegistry::Instance().All()) {
    if (widget && window->widget == widget) return window->hwnd;
  }
  return nullptr;
}

HWND AdoptChildWidget(QWidget* widget, HWND parent, DWORD style, const RECT& rect) {
  return win32::WindowLifecycle::Adopt(widget, parent, style, rect);
}

QPainter* PainterFromHdc(HDC hdc) {
  return win32::PaintRegistry::Instance().Painter(hdc);
}

QIcon IconFromHicon(HICON icon) {
  return win32::IconRegistry::Instance().Icon(icon);
}

void ShutdownApplication() {
  win32::Application::Shutdown();
}

}  // namespace win32qt
