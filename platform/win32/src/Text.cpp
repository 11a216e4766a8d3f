#include "Text.h"

#include <algorithm>

namespace win32 {

QString ToQString(LPCWSTR text) {
  return text ? QString::fromWCharArray(text) : QString();
}

std::wstring ToWide(const QString& text) {
  return text.toStdWString();
}

std::string ToUtf8(LPCWSTR text) {
  return ToQString(text).toStdString();
}

std::wstring Utf8ToWide(const std::string& text) {
  return QString::fromStdString(text).toStdWString();
}

int CopyOut(const std::wstring& text, LPWSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const int count = std::min(static_cast<int>(text.size()), size - 1);
  std::copy_n(text.data(), count, buffer);
  buffer[count] = L'\0';
  return count;
}

std::string ToFsPath(LPCWSTR path) {
  std::string result = ToUtf8(path);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

}  // namespace win32
