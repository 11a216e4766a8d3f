#include "WindowLifecycle.h"

#include "Application.h"
#include "Diagnostics.h"
#include "MessageQueue.h"
#include "Text.h"
#include "TrayIcons.h"
#include "WindowGeometry.h"
#include "WindowRegistry.h"
#include "WindowState.h"
#include "WindowStyle.h"
#include "WindowWidget.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace win32 {
namespace {

int g_cascade = 0;
constexpr int kCascadeStep = 26;

HWND RootOf(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  while (window && window->IsChild()) window = WindowRegistry::Instance().Find(window->parent);
  return window ? window->hwnd : nullptr;
}

QWidget* WidgetOf(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  return window ? window->widget.data() : nullptr;
}

std::string ClassLabel(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return "atom " + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  return ToUtf8(name);
}

}  // namespace

std::shared_ptr<Window> WindowLifecycle::NewRecord(const CreateRequest& request,
                                                   std::shared_ptr<const WindowClass> cls) {
  auto window = std::make_shared<Window>();
  window->threadId = GetCurrentThreadId();
  window->proc = cls->info.lpfnWndProc;
  window->cls = std::move(cls);
  window->style = request.style & ~WS_VISIBLE;
  window->exStyle = request.exStyle;
  window->instance = request.instance;
  window->text = request.windowName ? request.windowName : L"";
  const bool child = request.style & WS_CHILD;
  window->parent = child ? request.parent : nullptr;
  window->owner = child || request.parent == HWND_MESSAGE ? nullptr : RootOf(request.parent);
  window->id = child ? reinterpret_cast<LONG_PTR>(request.menu) : 0;
  return window;
}

QRect WindowLifecycle::InitialRect(const Window& window, const CreateRequest& request) {
  const bool overlapped = !window.IsChild() && !(request.style & WS_POPUP);
  // CW_USEDEFAULT is INT_MIN: never let it into QRect's arithmetic.
  const QPoint origin = request.x == CW_USEDEFAULT ? QPoint(0, 0) : QPoint(request.x, request.y);
  const QSize size = request.width == CW_USEDEFAULT ? QSize(0, 0) : QSize(request.width, request.height);
  QRect r(origin, size);
  if (!overlapped) return r;
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  if (request.x == CW_USEDEFAULT) {
    r.moveTopLeft(work.topLeft() + QPoint(1, 1) * (kCascadeStep * (g_cascade++ % 8)));
  }
  if (request.width == CW_USEDEFAULT) r.setSize(work.size() * 3 / 4);
  return r;
}

void WindowLifecycle::CreateWidget(Window& window, const CreateRequest& request) {
  QWidget* parentWidget = window.IsChild() ? WidgetOf(window.parent) : nullptr;
  auto* widget = new WindowWidget(window.hwnd, window.cls && (window.cls->info.style & CS_DBLCLKS), parentWidget);
  window.widget = widget;
  if (!window.IsChild()) widget->setWindowFlags(WindowStyle::FlagsFor(window));
  widget->setWindowTitle(QString::fromStdWString(window.text));
  if (request.style & WS_DISABLED) widget->setEnabled(false);
  WindowGeometry::ApplyWindowRect(window, InitialRect(window, request));
  WindowStyle::AttachToOwner(window);
  window.normalGeometry = widget->geometry();
}

bool WindowLifecycle::SendCreateSequence(Window& window, const CreateRequest& request) {
  const RECT r = window.PosRect();
  CREATESTRUCTW cs{request.param, request.instance, request.menu, request.parent,
                   static_cast<int>(r.bottom - r.top), static_cast<int>(r.right - r.left),
                   static_cast<int>(r.top), static_cast<int>(r.left),
                   static_cast<LONG>(request.style), request.windowName, window.cls->name.c_str(), request.exStyle};
  if (!window.IsChild()) {
    MINMAXINFO info{};
    window.Call(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  }
  if (!window.Call(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return false;
  RECT calc = window.PosRect();
  window.Call(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&calc));
  if (window.Call(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) return false;
  const SIZE client = window.ClientSize();
  const QPoint origin = window.MovePosition();
  window.reportedRect = window.PosRect();
  window.Call(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
  window.Call(WM_MOVE, 0, MAKELPARAM(origin.x(), origin.y()));
  return true;
}

HWND WindowLifecycle::Create(const CreateRequest& request) {
  const bool messageOnly = request.parent == HWND_MESSAGE;
  if (!messageOnly && !Application::Ensure()) {
    Fail("CreateWindowExW", ERROR_ACCESS_DENIED, "no GUI available on this thread");
    return nullptr;
  }
  auto cls = ClassRegistry::Instance().Find(request.className);
  if (!cls) {
    Fail("CreateWindowExW", ERROR_CANNOT_FIND_WND_CLASS, "class not registered: " + ClassLabel(request.className));
    return nullptr;
  }
  if ((request.style & WS_CHILD) && !WindowRegistry::Instance().Find(request.parent)) {
    FailInvalidHandle("CreateWindowExW (WS_CHILD without a valid parent)", request.parent);
    return nullptr;
  }
  auto window = NewRecord(request, cls);
  const HWND hwnd = WindowRegistry::Instance().Add(window);
  // Message-only windows have no widget, so any thread may own one.
  if (!messageOnly) CreateWidget(*window, request);
  if (!SendCreateSequence(*window, request)) {
    Destroy(*window);
    return nullptr;
  }
  if (!WindowRegistry::Instance().Find(hwnd)) return nullptr;
  if (request.style & WS_VISIBLE) {
    WindowState::Show(*window, (request.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
  }
  return hwnd;
}

HWND WindowLifecycle::Adopt(QWidget* widget, HWND parent, DWORD style, const RECT& rect) {
  auto parentWindow = WindowRegistry::Instance().Find(parent);
  if (!parentWindow || !parentWindow->widget || !widget) {
    FailInvalidHandle("AdoptChildWidget", parent);
    return nullptr;
  }
  auto window = std::make_shared<Window>();
  window->threadId = GetCurrentThreadId();
  window->proc = DefWindowProcW;
  window->style = (style | WS_CHILD) & ~WS_VISIBLE;
  window->parent = parent;
  window->adopted = true;
  window->widget = widget;
  const HWND hwnd = WindowRegistry::Instance().Add(window);
  widget->setParent(parentWindow->widget);
  widget->setGeometry(ToQRect(rect));
  window->reportedRect = window->PosRect();
  QObject::connect(widget, &QObject::destroyed, [hwnd] { OnWidgetDeleted(hwnd); });
  if (style & WS_VISIBLE) WindowGeometry::ShowWidget(*window, false);
  return hwnd;
}

void WindowLifecycle::SendDestroy(Window& window) {
  window.destroying = true;
  window.Call(WM_DESTROY, 0, 0);
  for (const auto& child : WindowRegistry::Instance().Children(window.hwnd)) SendDestroy(*child);
}

void WindowLifecycle::SendNcDestroy(Window& window) {
  for (const auto& child : WindowRegistry::Instance().Children(window.hwnd)) SendNcDestroy(*child);
  window.Call(WM_NCDESTROY, 0, 0);
  Forget(window);
}

void WindowLifecycle::Forget(Window& window) {
  WindowRegistry::Instance().Remove(window.hwnd);
  MessageQueue::Current().KillTimers(window.hwnd);
  if (Application::IsMainThread()) TrayIcons::Instance().RemoveAll(window.hwnd);
  if (::GetCapture() == window.hwnd) ::ReleaseCapture();
}

bool WindowLifecycle::Destroy(Window& window) {
  if (window.destroying) return true;
  window.destroying = true;
  for (const auto& owned : WindowRegistry::Instance().Owned(window.hwnd)) Destroy(*owned);
  if (window.style & WS_VISIBLE) {
    const UINT unchanged = kSwpNoClientMove | kSwpNoClientSize;
    WINDOWPOS pos{window.hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | unchanged};
    window.Call(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    WindowGeometry::HideWidget(window);
    window.Call(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  }
  SendDestroy(window);
  QPointer<QWidget> widget = window.widget;
  SendNcDestroy(window);
  // The widget may be running one of its own event handlers right now.
  if (widget) {
    widget->hide();
    widget->deleteLater();
  }
  return true;
}

void WindowLifecycle::OnWidgetDeleted(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  if (!window || window->destroying) return;
  window->destroying = true;
  window->widget = nullptr;
  SendDestroy(*window);
  SendNcDestroy(*window);
}

void WindowLifecycle::DestroyAll() {
  for (const auto& window : WindowRegistry::Instance().All()) {
    if (!window->IsChild() && !window->owner && WindowRegistry::Instance().Find(window->hwnd)) Destroy(*window);
  }
  for (const auto& window : WindowRegistry::Instance().All()) Destroy(*window);
}

}  // namespace win32
