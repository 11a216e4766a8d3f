// Window-system types of the engine API: process arguments and where a
// browser window goes; plain data used on the window thread.
#ifndef CEF_INCLUDE_INTERNAL_CEF_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_WIN_H_

#include <windows.h>

#include "include/internal/cef_types_wrappers.h"

extern "C" {
typedef struct _cef_main_args_t {
  HINSTANCE instance;
} cef_main_args_t;

typedef struct _cef_window_info_t {
  DWORD ex_style;
  cef_string_t window_name;
  DWORD style;
  int x;
  int y;
  int width;
  int height;
  HWND parent_window;
  HMENU menu;
  HWND window;
} cef_window_info_t;
}

// The process arguments themselves are the ones the program was started
// with; the instance only identifies the module, as on Windows.
class CefMainArgs : public cef_main_args_t {
 public:
  CefMainArgs() : cef_main_args_t{nullptr} {}
  explicit CefMainArgs(HINSTANCE hinstance) : cef_main_args_t{hinstance} {}
};

struct CefWindowInfoTraits {
  using struct_type = cef_window_info_t;
  static void clear(struct_type* s);
  static void set(const struct_type* src, struct_type* dst);
};

class CefWindowInfo : public CefStructBase<CefWindowInfoTraits> {
 public:
  // Places the browser as a child control covering `rect` of `parent`.
  void SetAsChild(HWND parent, RECT rect);
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_WIN_H_
