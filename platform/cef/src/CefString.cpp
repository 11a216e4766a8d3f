// CefString and the C string helpers; any thread, each string owns its text
// unless it writes through to a caller's cef_string_t.
#include "include/internal/cef_string.h"

#include <cwchar>

#include "Utf.h"

namespace {

void FreeWide(wchar_t* str) { delete[] str; }

}  // namespace

extern "C" void cef_string_clear(cef_string_t* str) {
  if (!str) return;
  if (str->dtor && str->str) str->dtor(str->str);
  *str = cef_string_t{};
}

extern "C" int cef_string_set(const wchar_t* src, size_t length, cef_string_t* output) {
  if (!output) return 0;
  cef_string_clear(output);
  auto* copy = new wchar_t[length + 1];
  if (length) std::wmemcpy(copy, src, length);
  copy[length] = L'\0';
  *output = cef_string_t{copy, length, &FreeWide};
  return 1;
}

CefString::CefString() : target_(&own_) {}
CefString::CefString(const wchar_t* text) : CefString() { Assign(text ? text : L""); }
CefString::CefString(const std::wstring& text) : CefString() { Assign(text); }
CefString::CefString(const char* utf8) : CefString() { Assign(cefport::WideFromUtf8(utf8 ? utf8 : "")); }
CefString::CefString(const std::string& utf8) : CefString() { Assign(cefport::WideFromUtf8(utf8)); }
CefString::CefString(const cef_string_t* source) : CefString() {
  if (source && source->str) Assign(std::wstring(source->str, source->length));
}
CefString::CefString(cef_string_t* target) : target_(target ? target : &own_) {}
CefString::CefString(const CefString& other) : CefString() { Assign(other.ToWString()); }
CefString::~CefString() { cef_string_clear(&own_); }

CefString& CefString::operator=(const CefString& other) {
  if (&other != this) Assign(other.ToWString());
  return *this;
}
CefString& CefString::operator=(const wchar_t* text) { return *this = CefString(text); }
CefString& CefString::operator=(const std::wstring& text) { return *this = CefString(text); }
CefString& CefString::operator=(const char* utf8) { return *this = CefString(utf8); }
CefString& CefString::operator=(const std::string& utf8) { return *this = CefString(utf8); }

const wchar_t* CefString::c_str() const { return target_->str ? target_->str : L""; }
size_t CefString::length() const { return target_->length; }
bool CefString::empty() const { return target_->length == 0; }
void CefString::clear() { cef_string_clear(target_); }
std::wstring CefString::ToWString() const { return std::wstring(c_str(), length()); }
std::string CefString::ToString() const { return cefport::Utf8FromWide(ToWString()); }

bool CefString::operator==(const CefString& other) const { return ToWString() == other.ToWString(); }
bool CefString::operator<(const CefString& other) const { return ToWString() < other.ToWString(); }

void CefString::Assign(const std::wstring& text) { cef_string_set(text.data(), text.size(), target_); }
