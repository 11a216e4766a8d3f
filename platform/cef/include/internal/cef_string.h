// Wide string used across the engine API; a CefString lives on the thread
// that made it, owns its own text, or writes through to a cef_string_t that
// the caller owns (CefString(&settings.cache_path) = L"...").
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_H_

#include <cstddef>
#include <string>

extern "C" {
typedef struct _cef_string_t {
  wchar_t* str;
  size_t length;
  void (*dtor)(wchar_t* str);
} cef_string_t;

// Frees the text of `str` (when it owns it) and leaves it empty.
void cef_string_clear(cef_string_t* str);
// Stores a copy of [src, src+length) in `output`.
int cef_string_set(const wchar_t* src, size_t length, cef_string_t* output);
}

class CefString {
 public:
  CefString();
  CefString(const wchar_t* text);
  CefString(const std::wstring& text);
  CefString(const char* utf8);
  CefString(const std::string& utf8);
  // Copies the text of a string the caller keeps.
  CefString(const cef_string_t* source);
  // Writes through to a string the caller owns (struct members).
  CefString(cef_string_t* target);
  CefString(const CefString& other);
  ~CefString();

  CefString& operator=(const CefString& other);
  CefString& operator=(const wchar_t* text);
  CefString& operator=(const std::wstring& text);
  CefString& operator=(const char* utf8);
  CefString& operator=(const std::string& utf8);

  const wchar_t* c_str() const;
  size_t length() const;
  bool empty() const;
  void clear();
  std::wstring ToWString() const;
  std::string ToString() const;
  operator std::wstring() const { return ToWString(); }

  bool operator==(const CefString& other) const;
  bool operator!=(const CefString& other) const { return !(*this == other); }
  bool operator<(const CefString& other) const;

 private:
  void Assign(const std::wstring& text);

  cef_string_t own_{};
  cef_string_t* target_;
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_H_
