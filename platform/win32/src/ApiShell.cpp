// ShellExecuteW, the notification area and icons.
#include <shellapi.h>

#include "Application.h"
#include "Diagnostics.h"
#include "IconRegistry.h"
#include "Shell.h"
#include "TrayIcons.h"
#include "WindowRegistry.h"

using namespace win32;

HINSTANCE WINAPI ShellExecuteW(HWND, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT) {
  return reinterpret_cast<HINSTANCE>(Shell::Execute(operation, file, parameters, directory));
}

BOOL WINAPI Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
  if (!data || !FindOrFail(data->hWnd, "Shell_NotifyIconW")) return FALSE;
  if (!Application::Ensure()) return FALSE;
  switch (message) {
    case NIM_ADD: return TrayIcons::Instance().Add(*data) ? TRUE : FALSE;
    case NIM_MODIFY: return TrayIcons::Instance().Modify(*data) ? TRUE : FALSE;
    case NIM_DELETE: return TrayIcons::Instance().Remove(*data) ? TRUE : FALSE;
    case NIM_SETVERSION: return TRUE;
    default: break;
  }
  Fail("Shell_NotifyIconW", ERROR_INVALID_PARAMETER, "unsupported message " + std::to_string(message));
  return FALSE;
}

HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
  if (!Application::Ensure()) return nullptr;
  return IconRegistry::Instance().Load(instance, name);
}

BOOL WINAPI DestroyIcon(HICON icon) {
  if (IconRegistry::Instance().Destroy(icon)) return TRUE;
  Fail("DestroyIcon", ERROR_INVALID_HANDLE, "unknown icon handle");
  return FALSE;
}
