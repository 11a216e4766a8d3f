// Window classes, windows, their attributes, focus, activation and capture.
#include "Application.h"
#include "CursorTable.h"
#include "DefaultProc.h"
#include "Diagnostics.h"
#include "MessageQueue.h"
#include "Text.h"
#include "WindowLifecycle.h"
#include "WindowRegistry.h"
#include "WindowStyle.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cwctype>

using namespace win32;

namespace {

HWND g_capture = nullptr;

HWND HandleOf(QWidget* widget) {
  auto window = WindowRegistry::Instance().FindByWidget(widget);
  return window ? window->hwnd : nullptr;
}

bool SameClassName(const std::wstring& a, LPCWSTR b) {
  if (!b) return true;
  if (a.size() != std::wcslen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

LONG_PTR SetStyle(Window& window, DWORD style) {
  const DWORD old = window.style;
  window.style = (style & ~WS_CHILD) | (old & WS_CHILD);
  const DWORD frameBits = WS_CAPTION | WS_THICKFRAME | WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if ((old ^ window.style) & frameBits) WindowStyle::Apply(window);
  if ((old ^ window.style) & WS_VISIBLE) WindowStyle::SyncVisibility(window);
  if (((old ^ window.style) & WS_DISABLED) && window.widget) window.widget->setEnabled(!(window.style & WS_DISABLED));
  return static_cast<LONG_PTR>(static_cast<LONG>(old));
}

LONG_PTR SetExStyle(Window& window, DWORD exStyle) {
  const DWORD old = window.exStyle;
  window.exStyle = exStyle;
  if (old != exStyle) WindowStyle::Apply(window);
  return static_cast<LONG_PTR>(static_cast<LONG>(old));
}

LONG_PTR SetOwner(Window& window, HWND owner) {
  const HWND old = window.owner;
  if (window.IsChild()) return reinterpret_cast<LONG_PTR>(window.parent);
  window.owner = owner;
  WindowStyle::Apply(window);
  WindowStyle::AttachToOwner(window);
  return reinterpret_cast<LONG_PTR>(old);
}

LONG_PTR GetLong(const Window& window, int index, const char* call) {
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window.proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window.instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(window.IsChild() ? window.parent : window.owner);
    case GWLP_ID: return window.id;
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(window.style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(window.exStyle));
    case GWLP_USERDATA: return window.userData;
    default: break;
  }
  Fail(call, 1413 /* ERROR_INVALID_INDEX */, "unsupported index " + std::to_string(index));
  return 0;
}

LONG_PTR SetLong(Window& window, int index, LONG_PTR value, const char* call) {
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(std::exchange(window.proc, reinterpret_cast<WNDPROC>(value)));
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(std::exchange(window.instance, reinterpret_cast<HINSTANCE>(value)));
    case GWLP_HWNDPARENT: return SetOwner(window, reinterpret_cast<HWND>(value));
    case GWLP_ID: return std::exchange(window.id, value);
    case GWL_STYLE: return SetStyle(window, static_cast<DWORD>(value));
    case GWL_EXSTYLE: return SetExStyle(window, static_cast<DWORD>(value));
    case GWLP_USERDATA: return std::exchange(window.userData, value);
    default: break;
  }
  Fail(call, 1413 /* ERROR_INVALID_INDEX */, "unsupported index " + std::to_string(index));
  return 0;
}

void ChangeCapture(HWND to) {
  const HWND from = std::exchange(g_capture, to);
  if (from == to) return;
  if (auto old = WindowRegistry::Instance().Find(from)) {
    if (old->widget && QWidget::mouseGrabber() == old->widget) old->widget->releaseMouse();
    old->Call(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(to));
  }
  auto now = WindowRegistry::Instance().Find(to);
  if (now && now->widget && now->widget->isVisible()) now->widget->grabMouse();
}

}  // namespace

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* wc) {
  if (!wc || wc->cbSize != sizeof(WNDCLASSEXW)) {
    Fail("RegisterClassExW", ERROR_INVALID_PARAMETER, "cbSize must be sizeof(WNDCLASSEXW)");
    return 0;
  }
  return ClassRegistry::Instance().Register(*wc);
}

ATOM WINAPI RegisterClassW(const WNDCLASSW* wc) {
  if (!wc) return RegisterClassExW(nullptr);
  const WNDCLASSEXW ex{sizeof(WNDCLASSEXW), wc->style, wc->lpfnWndProc, wc->cbClsExtra, wc->cbWndExtra,
                       wc->hInstance, wc->hIcon, wc->hCursor, wc->hbrBackground, wc->lpszMenuName,
                       wc->lpszClassName, nullptr};
  return RegisterClassExW(&ex);
}

BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE) {
  auto cls = ClassRegistry::Instance().Find(className);
  for (const auto& window : WindowRegistry::Instance().All()) {
    if (cls && window->cls == cls) {
      SetLastError(ERROR_CLASS_HAS_WINDOWS);
      return FALSE;
    }
  }
  return ClassRegistry::Instance().Unregister(className) ? TRUE : FALSE;
}

BOOL WINAPI GetClassInfoExW(HINSTANCE, LPCWSTR className, WNDCLASSEXW* wc) {
  auto cls = ClassRegistry::Instance().Find(className);
  if (!cls || !wc) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *wc = cls->info;
  return cls->atom;
}

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  return WindowLifecycle::Create(
      CreateRequest{exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param});
}

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  return window ? DefaultProc::Handle(*window, msg, wParam, lParam) : 0;
}

LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
  auto window = FindOrFail(hwnd, "DestroyWindow");
  if (!window) return FALSE;
  if (window->threadId != GetCurrentThreadId()) {
    Fail("DestroyWindow", ERROR_ACCESS_DENIED, "a window can only be destroyed by its own thread");
    return FALSE;
  }
  return WindowLifecycle::Destroy(*window) ? TRUE : FALSE;
}

BOOL WINAPI IsWindow(HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  return window && !window->destroying ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
  for (auto window = WindowRegistry::Instance().Find(hwnd); window;
       window = WindowRegistry::Instance().Find(window->parent)) {
    if (!(window->style & WS_VISIBLE)) return FALSE;
    if (!window->IsChild()) return TRUE;
  }
  return FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
  auto window = FindOrFail(hwnd, "IsWindowEnabled");
  return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
  auto window = FindOwnedOrFail(hwnd, "EnableWindow");
  if (!window) return FALSE;
  const BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
  if (wasDisabled == !enable) return wasDisabled;
  SetStyle(*window, enable ? (window->style & ~WS_DISABLED) : (window->style | WS_DISABLED));
  window->Call(WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  while (window && window->IsChild()) {
    if (window->parent == parent) return TRUE;
    window = WindowRegistry::Instance().Find(window->parent);
  }
  return FALSE;
}

HWND WINAPI GetParent(HWND hwnd) {
  auto window = FindOrFail(hwnd, "GetParent");
  if (!window) return nullptr;
  if (window->IsChild()) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

HWND WINAPI SetParent(HWND child, HWND newParent) {
  auto window = FindOwnedOrFail(child, "SetParent");
  auto parent = newParent ? FindOrFail(newParent, "SetParent") : nullptr;
  if (!window || (newParent && !parent) || !window->IsChild() || !parent || !parent->widget) {
    if (window) Diagnose("SetParent", "only re-parenting a child window to another window is supported");
    return nullptr;
  }
  const HWND old = std::exchange(window->parent, newParent);
  if (window->widget) {
    const bool visible = window->style & WS_VISIBLE;
    window->widget->setParent(parent->widget);
    window->widget->setVisible(visible);
  }
  return old;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT flags) {
  auto window = FindOrFail(hwnd, "GetAncestor");
  if (!window) return nullptr;
  if (flags == GA_PARENT) return window->IsChild() ? window->parent : nullptr;
  while (window->IsChild()) window = WindowRegistry::Instance().Find(window->parent);
  if (flags == GA_ROOTOWNER) {
    while (auto owner = WindowRegistry::Instance().Find(window->owner)) window = owner;
  }
  return window->hwnd;
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
  auto window = FindOrFail(hwnd, "GetWindow");
  if (!window) return nullptr;
  if (cmd == GW_OWNER) return window->IsChild() ? nullptr : window->owner;
  if (cmd == GW_CHILD) {
    const auto children = WindowRegistry::Instance().Children(hwnd);
    return children.empty() ? nullptr : children.front()->hwnd;
  }
  Fail("GetWindow", ERROR_INVALID_PARAMETER, "unsupported command " + std::to_string(cmd));
  return nullptr;
}

HWND WINAPI GetDesktopWindow() {
  return reinterpret_cast<HWND>(0x10010);
}

HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName) {
  for (const auto& window : WindowRegistry::Instance().All()) {
    if (window->IsChild() || window->destroying || !window->cls) continue;
    if (!SameClassName(window->cls->name, className)) continue;
    if (windowName && window->text != windowName) continue;
    return window->hwnd;
  }
  return nullptr;
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
  auto window = FindOrFail(hwnd, "GetWindowLongPtrW");
  return window ? GetLong(*window, index, "GetWindowLongPtrW") : 0;
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  auto window = FindOwnedOrFail(hwnd, "SetWindowLongPtrW");
  return window ? SetLong(*window, index, value, "SetWindowLongPtrW") : 0;
}

LONG WINAPI GetWindowLongW(HWND hwnd, int index) {
  auto window = FindOrFail(hwnd, "GetWindowLongW");
  return window ? static_cast<LONG>(GetLong(*window, index, "GetWindowLongW")) : 0;
}

LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value) {
  auto window = FindOwnedOrFail(hwnd, "SetWindowLongW");
  const LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE) ? static_cast<LONG_PTR>(static_cast<DWORD>(value))
                                                                      : static_cast<LONG_PTR>(value);
  return window ? static_cast<LONG>(SetLong(*window, index, wide, "SetWindowLongW")) : 0;
}

BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!FindOrFail(hwnd, "SetWindowTextW")) return FALSE;
  return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount) {
  if (buffer && maxCount > 0) buffer[0] = L'\0';
  if (!FindOrFail(hwnd, "GetWindowTextW")) return 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthW(HWND hwnd) {
  if (!FindOrFail(hwnd, "GetWindowTextLengthW")) return 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int WINAPI GetClassNameW(HWND hwnd, LPWSTR buffer, int maxCount) {
  auto window = FindOrFail(hwnd, "GetClassNameW");
  if (!window) return 0;
  return CopyOut(window->cls ? window->cls->name : std::wstring(L"QtWidget"), buffer, maxCount);
}

HWND WINAPI SetFocus(HWND hwnd) {
  const HWND previous = GetFocus();
  if (!hwnd) {
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    return previous;
  }
  auto window = FindOwnedOrFail(hwnd, "SetFocus");
  if (!window || !window->widget) return nullptr;
  window->widget->window()->activateWindow();
  window->widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

HWND WINAPI GetFocus() {
  return Application::Ensure() ? HandleOf(QApplication::focusWidget()) : nullptr;
}

HWND WINAPI SetActiveWindow(HWND hwnd) {
  const HWND previous = GetActiveWindow();
  auto window = FindOwnedOrFail(hwnd, "SetActiveWindow");
  if (!window || !window->widget) return nullptr;
  window->widget->window()->activateWindow();
  return previous;
}

HWND WINAPI GetActiveWindow() {
  return Application::Ensure() ? HandleOf(QApplication::activeWindow()) : nullptr;
}

HWND WINAPI GetForegroundWindow() {
  return GetActiveWindow();
}

BOOL WINAPI SetForegroundWindow(HWND hwnd) {
  auto window = FindOrFail(hwnd, "SetForegroundWindow");
  if (!window || !window->widget) return FALSE;
  window->widget->window()->raise();
  window->widget->window()->activateWindow();
  return TRUE;
}

BOOL WINAPI BringWindowToTop(HWND hwnd) {
  auto window = FindOrFail(hwnd, "BringWindowToTop");
  if (!window || !window->widget) return FALSE;
  window->widget->raise();
  return TRUE;
}

HWND WINAPI SetCapture(HWND hwnd) {
  const HWND previous = g_capture;
  if (!FindOwnedOrFail(hwnd, "SetCapture")) return nullptr;
  ChangeCapture(hwnd);
  return previous;
}

BOOL WINAPI ReleaseCapture() {
  ChangeCapture(nullptr);
  return TRUE;
}

HWND WINAPI GetCapture() {
  if (g_capture && !WindowRegistry::Instance().Find(g_capture)) g_capture = nullptr;
  return g_capture;
}

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT track) {
  if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
    Fail("TrackMouseEvent", ERROR_INVALID_PARAMETER, "cbSize must be sizeof(TRACKMOUSEEVENT)");
    return FALSE;
  }
  auto window = FindOwnedOrFail(track->hwndTrack, "TrackMouseEvent");
  if (!window || !window->widget) return FALSE;
  if (track->dwFlags & TME_QUERY) {
    track->dwFlags = window->trackingLeave ? TME_LEAVE : 0;
    return TRUE;
  }
  if (!(track->dwFlags & TME_LEAVE)) return TRUE;
  window->trackingLeave = !(track->dwFlags & TME_CANCEL);
  const QPoint local = window->widget->mapFromGlobal(QCursor::pos());
  // Windows answers at once when the mouse is already elsewhere.
  if (window->trackingLeave && !window->widget->rect().contains(local)) {
    window->trackingLeave = false;
    PostMessageW(window->hwnd, WM_MOUSELEAVE, 0, 0);
  }
  return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  return CursorTable::Apply(cursor);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE, LPCWSTR name) {
  const HCURSOR cursor = CursorTable::Load(name);
  if (!cursor) Fail("LoadCursorW", 1814 /* ERROR_RESOURCE_NAME_NOT_FOUND */, "only system cursors (IDC_*) exist");
  return cursor;
}

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  if (!Application::Ensure()) return 0;
  auto window = WindowRegistry::Instance().Find(owner);
  QMessageBox box(window && window->widget ? window->widget->window() : nullptr);
  box.setText(ToQString(text));
  box.setWindowTitle(ToQString(caption));
  switch (type & 0xF) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
  }
}

BOOL WINAPI FlashWindow(HWND hwnd, BOOL) {
  auto window = FindOrFail(hwnd, "FlashWindow");
  if (!window || !window->widget) return FALSE;
  QApplication::alert(window->widget->window());
  return TRUE;
}
