#include "WindowWidget.h"

#include "CursorTable.h"
#include "KeyMap.h"
#include "MessageQueue.h"
#include "PaintRegistry.h"
#include "TaskbarHint.h"
#include "WindowStyle.h"
#include "WindowGeometry.h"
#include "WindowLifecycle.h"
#include "WindowRegistry.h"
#include "WindowState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <array>
#include <map>

namespace win32 {
namespace {

enum Column { kDown, kUp, kDoubleClick, kNcDown, kNcUp, kNcDoubleClick };

const std::map<Qt::MouseButton, std::array<UINT, 6>>& ButtonMessages() {
  static const std::map<Qt::MouseButton, std::array<UINT, 6>> table = {
      {Qt::LeftButton, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK}},
      {Qt::RightButton, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, 0x00A6}},
      {Qt::MiddleButton, {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, 0x00A7, 0x00A8, 0x00A9}},
  };
  return table;
}

WPARAM MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  WPARAM keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

LPARAM Point(const QPoint& p) {
  return MAKELPARAM(p.x(), p.y());
}

LPARAM KeyData(const QKeyEvent& event, bool release) {
  LPARAM data = 1 | ((event.nativeScanCode() & 0xFF) << 16);
  if (event.isAutoRepeat() || release) data |= 1 << 30;
  if (release) data |= static_cast<LPARAM>(1u << 31);
  return data;
}

int g_eventDepth = 0;

std::shared_ptr<Window> RootOf(QWidget* widget) {
  return WindowRegistry::Instance().FindByWidget(widget->window());
}

}  // namespace

WindowWidget::WindowWidget(HWND hwnd, bool doubleClicks, QWidget* parent)
    : QWidget(parent), hwnd_(hwnd), doubleClicks_(doubleClicks) {
  setMouseTracking(true);
  setFocusPolicy(parent ? Qt::ClickFocus : Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

WindowWidget::~WindowWidget() {
  WindowLifecycle::OnWidgetDeleted(hwnd_);
}

std::shared_ptr<Window> WindowWidget::Record() const {
  auto window = WindowRegistry::Instance().Find(hwnd_);
  return window && !window->destroying && window->widget == this ? window : nullptr;
}

bool WindowWidget::focusNextPrevChild(bool) {
  return false;  // Tab belongs to the window procedure, as on Windows.
}

bool WindowWidget::event(QEvent* event) {
  static const std::map<QEvent::Type, Handler> table = {
      {QEvent::MouseButtonPress, &WindowWidget::OnPress},
      {QEvent::MouseButtonRelease, &WindowWidget::OnRelease},
      {QEvent::MouseButtonDblClick, &WindowWidget::OnDoubleClick},
      {QEvent::MouseMove, &WindowWidget::OnMove},
      {QEvent::Wheel, &WindowWidget::OnWheel},
      {QEvent::Leave, &WindowWidget::OnLeave},
      {QEvent::KeyPress, &WindowWidget::OnKeyPress},
      {QEvent::KeyRelease, &WindowWidget::OnKeyRelease},
      {QEvent::Paint, &WindowWidget::OnPaint},
      {QEvent::FocusIn, &WindowWidget::OnFocusIn},
      {QEvent::FocusOut, &WindowWidget::OnFocusOut},
      {QEvent::ActivationChange, &WindowWidget::OnActivation},
      {QEvent::Move, &WindowWidget::OnGeometry},
      {QEvent::Resize, &WindowWidget::OnGeometry},
      {QEvent::WindowStateChange, &WindowWidget::OnStateChange},
      {QEvent::Close, &WindowWidget::OnClose},
      {QEvent::WinIdChange, &WindowWidget::OnNativeWindowChange},
      {QEvent::Show, &WindowWidget::OnShow},
  };
  const auto it = table.find(event->type());
  auto window = it == table.end() ? nullptr : Record();
  ++g_eventDepth;
  const bool handled = (window && (this->*(it->second))(*window, event)) || QWidget::event(event);
  --g_eventDepth;
  return handled;
}

int WindowWidget::EventDepth() {
  return g_eventDepth;
}

int WindowWidget::HitTest(Window& window, const QPoint& global) {
  return static_cast<int>(window.Call(WM_NCHITTEST, 0, Point(global)));
}

void WindowWidget::PostInput(Window& window, UINT msg, WPARAM wParam, LPARAM lParam, DWORD extra) {
  const QPoint cursor = QCursor::pos();
  MSG m{window.hwnd, msg, wParam, lParam, GetTickCount(), POINT{cursor.x(), cursor.y()}, extra};
  MessageQueue::Current().Post(m);
}

bool WindowWidget::OnButton(Window& window, QMouseEvent* event, int column) {
  const auto row = ButtonMessages().find(event->button());
  if (row == ButtonMessages().end()) return true;
  const QPoint global = event->globalPosition().toPoint();
  const int hit = HitTest(window, global);
  CursorTable::SetTarget(window.hwnd);
  window.ncPressed = hit != HTCLIENT && column != kUp;
  if (hit != HTCLIENT) {
    window.Call(row->second[column + kNcDown], static_cast<WPARAM>(hit), Point(global));
    return true;
  }
  const WPARAM keys = MouseKeys(event->buttons(), event->modifiers());
  PostInput(window, row->second[column], keys, Point(event->position().toPoint()));
  return true;
}

bool WindowWidget::OnPress(Window& window, QEvent* event) {
  return OnButton(window, static_cast<QMouseEvent*>(event), kDown);
}

bool WindowWidget::OnDoubleClick(Window& window, QEvent* event) {
  return OnButton(window, static_cast<QMouseEvent*>(event), doubleClicks_ ? kDoubleClick : kDown);
}

bool WindowWidget::OnRelease(Window& window, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  auto root = RootOf(this);
  if (root && WindowGeometry::EndDrag(*root)) return true;
  const auto row = ButtonMessages().find(mouse->button());
  if (row == ButtonMessages().end()) return true;
  if (window.ncPressed) {
    window.ncPressed = false;
    const QPoint global = mouse->globalPosition().toPoint();
    window.Call(row->second[kNcUp], static_cast<WPARAM>(HitTest(window, global)), Point(global));
    return true;
  }
  const WPARAM keys = MouseKeys(mouse->buttons(), mouse->modifiers());
  PostInput(window, row->second[kUp], keys, Point(mouse->position().toPoint()));
  return true;
}

bool WindowWidget::OnMove(Window& window, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  auto root = RootOf(this);
  if (root && WindowGeometry::ContinueDrag(*root, global)) return true;
  const int hit = HitTest(window, global);
  CursorTable::SetTarget(window.hwnd);
  window.Call(WM_SETCURSOR, reinterpret_cast<WPARAM>(window.hwnd), MAKELPARAM(hit, WM_MOUSEMOVE));
  const bool captured = mouse->buttons() != Qt::NoButton && !window.ncPressed;
  if (hit != HTCLIENT && !captured) {
    window.Call(WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), Point(global));
    return true;
  }
  PostInput(window, WM_MOUSEMOVE, MouseKeys(mouse->buttons(), mouse->modifiers()), Point(mouse->position().toPoint()));
  return true;
}

bool WindowWidget::OnWheel(Window& window, QEvent* event) {
  auto* wheel = static_cast<QWheelEvent*>(event);
  const WPARAM keys = MouseKeys(wheel->buttons(), wheel->modifiers());
  const LPARAM where = Point(wheel->globalPosition().toPoint());
  const QPoint delta = wheel->angleDelta();
  if (delta.y() != 0) PostInput(window, WM_MOUSEWHEEL, MAKEWPARAM(keys, delta.y()), where);
  if (delta.x() != 0) PostInput(window, WM_MOUSEHWHEEL, MAKEWPARAM(keys, delta.x()), where);
  return true;
}

bool WindowWidget::OnLeave(Window& window, QEvent*) {
  if (!window.trackingLeave) return false;
  window.trackingLeave = false;
  PostInput(window, WM_MOUSELEAVE, 0, 0);
  return false;
}

bool WindowWidget::OnKeyPress(Window& window, QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  const UINT vk = KeyMap::ToVirtualKey(*key);
  const std::wstring text = key->text().toStdWString();
  if (vk == 0) {
    for (wchar_t c : text) PostInput(window, WM_CHAR, static_cast<WPARAM>(c), 1);
    return true;
  }
  KeyMap::SetPressed(vk, true);
  const bool system = (key->modifiers() & Qt::AltModifier) || vk == VK_F10;
  const DWORD textId = text.empty() ? 0 : MessageQueue::Current().RememberKeyText(text);
  PostInput(window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyData(*key, false), textId);
  return true;
}

bool WindowWidget::OnKeyRelease(Window& window, QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  const UINT vk = KeyMap::ToVirtualKey(*key);
  if (vk == 0) return true;
  KeyMap::SetPressed(vk, false);
  const bool system = (key->modifiers() & Qt::AltModifier) || vk == VK_F10;
  PostInput(window, system ? WM_SYSKEYUP : WM_KEYUP, vk, KeyData(*key, true));
  return true;
}

bool WindowWidget::OnNativeWindowChange(Window& window, QEvent*) {
  WindowStyle::RelinkNativeWindow(window);
  TaskbarHint::Apply(window);
  return false;
}

// Qt sends Show before it maps the native window, and a window manager reads the taskbar hint
// at the map (and may drop it when the window is hidden), so it is written at every show as
// well as on every new native window.
bool WindowWidget::OnShow(Window& window, QEvent*) {
  TaskbarHint::Apply(window);
  return false;
}

bool WindowWidget::OnPaint(Window& window, QEvent* event) {
  PaintRegistry::Instance().EnterPaintEvent(window.hwnd, static_cast<QPaintEvent*>(event)->rect());
  window.Call(WM_PAINT, 0, 0);
  PaintRegistry::Instance().LeavePaintEvent(window.hwnd);
  return true;
}

bool WindowWidget::OnFocusIn(Window& window, QEvent*) {
  window.Call(WM_SETFOCUS, 0, 0);
  return false;
}

bool WindowWidget::OnFocusOut(Window& window, QEvent*) {
  auto gaining = WindowRegistry::Instance().FindByWidget(QApplication::focusWidget());
  window.Call(WM_KILLFOCUS, reinterpret_cast<WPARAM>(gaining ? gaining->hwnd : nullptr), 0);
  return false;
}

bool WindowWidget::OnActivation(Window& window, QEvent*) {
  if (window.IsChild()) return false;
  const bool active = isActiveWindow();
  window.Call(WM_NCACTIVATE, active ? TRUE : FALSE, 0);
  window.Call(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
  return false;
}

bool WindowWidget::OnGeometry(Window& window, QEvent*) {
  WindowGeometry::ReportFromQt(window);
  return false;
}

bool WindowWidget::OnStateChange(Window& window, QEvent*) {
  WindowState::OnQtStateChange(window);
  return false;
}

bool WindowWidget::OnClose(Window& window, QEvent* event) {
  event->ignore();
  const QPoint cursor = QCursor::pos();
  window.Call(WM_SYSCOMMAND, SC_CLOSE, Point(cursor));
  return true;
}

}  // namespace win32
