// Position, size, show state, placement, screens and painting.
#include "Application.h"
#include "Diagnostics.h"
#include "PaintRegistry.h"
#include "WindowGeometry.h"
#include "WindowRegistry.h"
#include "WindowState.h"

#include <QApplication>
#include <QBackingStore>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>
#include <QtGui/qpa/qplatformbackingstore.h>
#include <QtWidgets/private/qwidget_p.h>
#include <functional>
#include <map>

using namespace win32;

namespace {

QScreen* Primary() {
  return Application::Ensure() ? QGuiApplication::primaryScreen() : nullptr;
}

QRect PrimaryGeometry() {
  QScreen* screen = Primary();
  return screen ? screen->geometry() : QRect();
}

QRect PrimaryWorkArea() {
  QScreen* screen = Primary();
  return screen ? screen->availableGeometry() : QRect();
}

QRect VirtualGeometry() {
  QScreen* screen = Primary();
  return screen ? screen->virtualGeometry() : QRect();
}

int DragDistance() {
  return Application::Ensure() ? QGuiApplication::styleHints()->startDragDistance() : 4;
}

// Metrics of the standard Windows look; a skinned window draws its own frame anyway.
constexpr int kCaption = 23;
constexpr int kBorder = 1;
constexpr int kFrame = 4;

const std::map<int, std::function<int()>>& Metrics() {
  static const std::map<int, std::function<int()>> table = {
      {SM_CXSCREEN, [] { return PrimaryGeometry().width(); }},
      {SM_CYSCREEN, [] { return PrimaryGeometry().height(); }},
      {SM_CXFULLSCREEN, [] { return PrimaryWorkArea().width(); }},
      {SM_CYFULLSCREEN, [] { return PrimaryWorkArea().height() - kCaption; }},
      {SM_CXMAXIMIZED, [] { return PrimaryWorkArea().width() + 2 * kFrame; }},
      {SM_CYMAXIMIZED, [] { return PrimaryWorkArea().height() + 2 * kFrame; }},
      {SM_CXMAXTRACK, [] { return VirtualGeometry().width() + 2 * kFrame; }},
      {SM_CYMAXTRACK, [] { return VirtualGeometry().height() + 2 * kFrame; }},
      {SM_XVIRTUALSCREEN, [] { return VirtualGeometry().x(); }},
      {SM_YVIRTUALSCREEN, [] { return VirtualGeometry().y(); }},
      {SM_CXVIRTUALSCREEN, [] { return VirtualGeometry().width(); }},
      {SM_CYVIRTUALSCREEN, [] { return VirtualGeometry().height(); }},
      {SM_CMONITORS, [] { return Application::Ensure() ? static_cast<int>(QGuiApplication::screens().size()) : 1; }},
      {SM_CXDRAG, [] { return DragDistance(); }},
      {SM_CYDRAG, [] { return DragDistance(); }},
      {SM_CXDOUBLECLK, [] { return 4; }},
      {SM_CYDOUBLECLK, [] { return 4; }},
      {SM_CYCAPTION, [] { return kCaption; }},
      {SM_CXBORDER, [] { return kBorder; }},
      {SM_CYBORDER, [] { return kBorder; }},
      {SM_CXDLGFRAME, [] { return 3; }},
      {SM_CYDLGFRAME, [] { return 3; }},
      {SM_CXFRAME, [] { return kFrame; }},
      {SM_CYFRAME, [] { return kFrame; }},
      {SM_CXPADDEDBORDER, [] { return 4; }},
      {SM_CXICON, [] { return 32; }},
      {SM_CYICON, [] { return 32; }},
      {SM_CXSMICON, [] { return 16; }},
      {SM_CYSMICON, [] { return 16; }},
      {SM_CXCURSOR, [] { return 32; }},
      {SM_CYCURSOR, [] { return 32; }},
      {SM_CXMIN, [] { return 112; }},
      {SM_CYMIN, [] { return 27; }},
      {SM_CXMINTRACK, [] { return 112; }},
      {SM_CYMINTRACK, [] { return 27; }},
      {SM_CXSIZE, [] { return 36; }},
      {SM_CYSIZE, [] { return 22; }},
      {SM_CYMENU, [] { return 20; }},
      {SM_CXVSCROLL, [] { return 17; }},
      {SM_CYHSCROLL, [] { return 17; }},
  };
  return table;
}

HMONITOR MonitorOf(QScreen* screen) {
  const auto screens = QGuiApplication::screens();
  const auto index = screens.indexOf(screen);
  return index < 0 ? nullptr : reinterpret_cast<HMONITOR>(static_cast<ULONG_PTR>(index + 1));
}

QScreen* ScreenOf(HMONITOR monitor) {
  const auto screens = QGuiApplication::screens();
  const auto index = static_cast<qsizetype>(reinterpret_cast<ULONG_PTR>(monitor)) - 1;
  return index >= 0 && index < screens.size() ? screens[index] : nullptr;
}

QPoint ClientOriginOf(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  return window ? window->ClientOrigin() : QPoint(0, 0);
}

// When the first browser view arrives in a window, Qt replaces the window's native window with
// one that composes on the GPU, and it deactivates the old one mid-way: a program answering that
// WM_ACTIVATE with UpdateWindow would flush through a surface that is not there yet. Such a window
// paints on the loop's next turn instead.
bool CanPaintNow(QWidget& widget) {
  QWidget* top = widget.window();
  if (!top->windowHandle() || !QWidgetPrivate::get(top)->usesRhiFlush) return true;
  QBackingStore* store = top->backingStore();
  return store && store->handle() && store->handle()->rhi();
}

}  // namespace

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  auto window = FindOwnedOrFail(hwnd, "SetWindowPos");
  if (!window) return FALSE;
  return WindowGeometry::SetPos(*window, insertAfter, x, y, cx, cy, flags) ? TRUE : FALSE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
  if (!FindOwnedOrFail(hwnd, "MoveWindow")) return FALSE;
  return SetWindowPos(hwnd, nullptr, x, y, width, height, flags);
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
  auto window = FindOrFail(hwnd, "GetWindowRect");
  if (!window || !rect) return FALSE;
  *rect = window->WindowRect();
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
  auto window = FindOrFail(hwnd, "GetClientRect");
  if (!window || !rect) return FALSE;
  const SIZE size = window->ClientSize();
  *rect = RECT{0, 0, size.cx, size.cy};
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
  auto window = FindOrFail(hwnd, "ClientToScreen");
  if (!window || !point) return FALSE;
  const QPoint origin = window->ClientOrigin();
  point->x += origin.x();
  point->y += origin.y();
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
  auto window = FindOrFail(hwnd, "ScreenToClient");
  if (!window || !point) return FALSE;
  const QPoint origin = window->ClientOrigin();
  point->x -= origin.x();
  point->y -= origin.y();
  return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  if ((from && !FindOrFail(from, "MapWindowPoints")) || (to && !FindOrFail(to, "MapWindowPoints"))) return 0;
  const QPoint delta = ClientOriginOf(from) - ClientOriginOf(to);
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += delta.x();
    points[i].y += delta.y();
  }
  SetLastError(ERROR_SUCCESS);
  return MAKELONG(delta.x(), delta.y());
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmd) {
  auto window = FindOwnedOrFail(hwnd, "ShowWindow");
  return window ? WindowState::Show(*window, cmd) : FALSE;
}

BOOL WINAPI IsZoomed(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  return window && window->showState == ShowState::Maximized ? TRUE : FALSE;
}

BOOL WINAPI IsIconic(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  return window && window->showState == ShowState::Minimized ? TRUE : FALSE;
}

BOOL WINAPI GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
  auto window = FindOrFail(hwnd, "GetWindowPlacement");
  if (!window || !placement) return FALSE;
  WindowState::GetPlacement(*window, placement);
  return TRUE;
}

BOOL WINAPI SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
  auto window = FindOwnedOrFail(hwnd, "SetWindowPlacement");
  if (!window) return FALSE;
  if (!placement || placement->length != sizeof(WINDOWPLACEMENT)) {
    Fail("SetWindowPlacement", ERROR_INVALID_PARAMETER, "length must be sizeof(WINDOWPLACEMENT)");
    return FALSE;
  }
  WindowState::SetPlacement(*window, *placement);
  return TRUE;
}

BOOL WINAPI SystemParametersInfoW(UINT action, UINT, PVOID value, UINT) {
  if (action != SPI_GETWORKAREA || !value) {
    Fail("SystemParametersInfoW", ERROR_INVALID_PARAMETER, "only SPI_GETWORKAREA is available");
    return FALSE;
  }
  *static_cast<RECT*>(value) = ToRect(PrimaryWorkArea());
  return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
  const auto it = Metrics().find(index);
  if (it != Metrics().end()) return it->second();
  Diagnose("GetSystemMetrics", "unknown index " + std::to_string(index));
  return 0;
}

UINT WINAPI GetDoubleClickTime() {
  return Application::Ensure() ? static_cast<UINT>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) : 500;
}

HMONITOR WINAPI MonitorFromWindow(HWND hwnd, DWORD flags) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  if (!Application::Ensure()) return nullptr;
  QScreen* screen = window && window->widget ? window->widget->screen() : nullptr;
  if (!screen && flags == MONITOR_DEFAULTTONULL) return nullptr;
  return MonitorOf(screen ? screen : QGuiApplication::primaryScreen());
}

HMONITOR WINAPI MonitorFromPoint(POINT point, DWORD flags) {
  if (!Application::Ensure()) return nullptr;
  QScreen* screen = QGuiApplication::screenAt(QPoint(point.x, point.y));
  if (!screen && flags == MONITOR_DEFAULTTONULL) return nullptr;
  return MonitorOf(screen ? screen : QGuiApplication::primaryScreen());
}

BOOL WINAPI GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info) {
  QScreen* screen = Application::Ensure() ? ScreenOf(monitor) : nullptr;
  if (!screen || !info) {
    Fail("GetMonitorInfoW", ERROR_INVALID_PARAMETER, "unknown monitor");
    return FALSE;
  }
  info->rcMonitor = ToRect(screen->geometry());
  info->rcWork = ToRect(screen->availableGeometry());
  info->dwFlags = screen == QGuiApplication::primaryScreen() ? MONITORINFOF_PRIMARY : 0;
  return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL) {
  if (!hwnd) {
    for (const auto& window : WindowRegistry::Instance().All()) {
      if (window->widget) window->widget->update();
    }
    return TRUE;
  }
  auto window = FindOrFail(hwnd, "InvalidateRect");
  if (!window || !window->widget) return FALSE;
  if (rect) {
    window->widget->update(ToQRect(*rect));
  } else {
    window->widget->update();
  }
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT*) {
  return FindOrFail(hwnd, "ValidateRect") ? TRUE : FALSE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
  auto window = FindOwnedOrFail(hwnd, "UpdateWindow");
  if (!window || !window->widget) return FALSE;
  if (!window->widget->isVisible()) return TRUE;
  if (CanPaintNow(*window->widget)) {
    window->widget->repaint();
  } else {
    window->widget->update();
  }
  return TRUE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  auto window = FindOwnedOrFail(hwnd, "BeginPaint");
  if (!window || !paint || !window->widget) return nullptr;
  PaintRegistry& paints = PaintRegistry::Instance();
  if (!paints.InPaintEvent(hwnd)) Diagnose("BeginPaint", "called outside WM_PAINT; nothing will be drawn");
  *paint = PAINTSTRUCT{};
  paint->hdc = paints.Begin(hwnd, window->widget);
  const QRect area = paints.InPaintEvent(hwnd) ? paints.PaintRect(hwnd) : QRect(QPoint(0, 0), window->widget->size());
  paint->rcPaint = ToRect(area);
  paint->fErase = window->Call(WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
  return paint->hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (!paint) return FALSE;
  PaintRegistry::Instance().End(paint->hdc);
  return TRUE;
}

HWND WINAPI WindowFromPoint(POINT point) {
  if (!Application::Ensure()) return nullptr;
  auto window = WindowRegistry::Instance().FindByWidget(QApplication::widgetAt(QPoint(point.x, point.y)));
  return window ? window->hwnd : nullptr;
}
