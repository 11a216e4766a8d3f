// Errors, time, keyboard and cursor state, COM start-up and string helpers.
#include "Application.h"
#include "KeyMap.h"

#include <QCursor>
#include <QGuiApplication>
#include <chrono>
#include <cwctype>
#include <thread>

using namespace win32;

namespace {

thread_local DWORD tLastError = ERROR_SUCCESS;

constexpr SHORT kDown = static_cast<SHORT>(0x8000);

bool ModifierDown(int virtualKey) {
  const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
  switch (virtualKey) {
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return mods & Qt::ShiftModifier;
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return mods & Qt::ControlModifier;
    case VK_MENU: case VK_LMENU: case VK_RMENU: return mods & Qt::AltModifier;
    default: return false;
  }
}

bool ButtonDown(int virtualKey) {
  const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
  switch (virtualKey) {
    case VK_LBUTTON: return buttons & Qt::LeftButton;
    case VK_RBUTTON: return buttons & Qt::RightButton;
    case VK_MBUTTON: return buttons & Qt::MiddleButton;
    default: return false;
  }
}

}  // namespace

DWORD WINAPI GetLastError() {
  return tLastError;
}

void WINAPI SetLastError(DWORD error) {
  tLastError = error;
}

void WINAPI Sleep(DWORD milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

ULONGLONG WINAPI GetTickCount64() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

DWORD WINAPI GetTickCount() {
  return static_cast<DWORD>(GetTickCount64());
}

HRESULT WINAPI CoInitialize(LPVOID) {
  return S_OK;
}

HRESULT WINAPI CoInitializeEx(LPVOID, DWORD) {
  return S_OK;
}

void WINAPI CoUninitialize() {}

HRESULT WINAPI OleInitialize(LPVOID) {
  return S_OK;
}

void WINAPI OleUninitialize() {}

SHORT WINAPI GetKeyState(int virtualKey) {
  if (!Application::Ensure()) return 0;
  const bool down = ModifierDown(virtualKey) || ButtonDown(virtualKey) || KeyMap::IsPressed(static_cast<UINT>(virtualKey));
  return down ? kDown : 0;
}

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
  return GetKeyState(virtualKey);
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
  if (!point || !Application::Ensure()) return FALSE;
  const QPoint pos = QCursor::pos();
  *point = POINT{pos.x(), pos.y()};
  return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
  if (!Application::Ensure()) return FALSE;
  QCursor::setPos(x, y);
  return TRUE;
}

int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b) {
  a = a ? a : L"";
  b = b ? b : L"";
  for (; *a && std::towlower(*a) == std::towlower(*b); ++a, ++b) {
  }
  return static_cast<int>(std::towlower(*a)) - static_cast<int>(std::towlower(*b));
}
