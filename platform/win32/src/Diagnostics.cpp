#include "Diagnostics.h"

#include <cstdio>

namespace win32 {

void Diagnose(const char* call, const std::string& what) {
  std::fprintf(stderr, "win32: %s: %s\n", call, what.c_str());
}

void FailInvalidHandle(const char* call, HWND hwnd) {
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  char text[64];
  std::snprintf(text, sizeof text, "invalid window handle %p", static_cast<void*>(hwnd));
  Diagnose(call, text);
}

void Fail(const char* call, DWORD error, const std::string& what) {
  SetLastError(error);
  Diagnose(call, what);
}

}  // namespace win32
