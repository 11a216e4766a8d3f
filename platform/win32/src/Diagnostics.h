// One-line reports of failed calls; callable from any thread, writes to stderr only.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// Prints "win32: <call>: <what>" so a programming error never passes silently.
void Diagnose(const char* call, const std::string& what);

// Sets ERROR_INVALID_WINDOW_HANDLE and reports the call that got `hwnd`.
void FailInvalidHandle(const char* call, HWND hwnd);

// Sets `error` as the thread's last error and reports the call.
void Fail(const char* call, DWORD error, const std::string& what);

}  // namespace win32
