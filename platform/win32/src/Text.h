// Conversions between Win32 wide text and Qt/UTF-8 text; pure functions, any thread.
#pragma once

#include <windows.h>

#include <QString>
#include <string>

namespace win32 {

QString ToQString(LPCWSTR text);
std::wstring ToWide(const QString& text);
std::string ToUtf8(LPCWSTR text);
std::wstring Utf8ToWide(const std::string& text);

// Copies `text` into `buffer` of `size` characters, always terminated; returns characters copied.
int CopyOut(const std::wstring& text, LPWSTR buffer, int size);

// A Windows path as the file system sees it: backslashes become slashes.
std::string ToFsPath(LPCWSTR path);

}  // namespace win32
