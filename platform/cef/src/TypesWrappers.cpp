// Copy and free helpers of the settings structs; run on whichever thread
// copies the struct, which owns its strings.
#include "include/internal/cef_types_wrappers.h"
#include "include/internal/cef_win.h"

namespace {

void CopyString(const cef_string_t& src, cef_string_t* dst) { cef_string_set(src.str, src.length, dst); }

}  // namespace

void CefSettingsTraits::clear(struct_type* s) {
  for (cef_string_t* str : {&s->browser_subprocess_path, &s->cache_path, &s->user_data_path, &s->locale})
    cef_string_clear(str);
}

void CefSettingsTraits::set(const struct_type* src, struct_type* dst) {
  *dst = *src;
  dst->browser_subprocess_path = dst->cache_path = dst->user_data_path = dst->locale = cef_string_t{};
  CopyString(src->browser_subprocess_path, &dst->browser_subprocess_path);
  CopyString(src->cache_path, &dst->cache_path);
  CopyString(src->user_data_path, &dst->user_data_path);
  CopyString(src->locale, &dst->locale);
}

void CefBrowserSettingsTraits::clear(struct_type* s) { cef_string_clear(&s->default_encoding); }

void CefBrowserSettingsTraits::set(const struct_type* src, struct_type* dst) {
  *dst = *src;
  dst->default_encoding = cef_string_t{};
  CopyString(src->default_encoding, &dst->default_encoding);
}

namespace {

constexpr cef_string_t cef_urlparts_t::*kUrlPartMembers[] = {
    &cef_urlparts_t::spec, &cef_urlparts_t::scheme, &cef_urlparts_t::username,
    &cef_urlparts_t::password, &cef_urlparts_t::host, &cef_urlparts_t::port,
    &cef_urlparts_t::origin, &cef_urlparts_t::path, &cef_urlparts_t::query,
};

}  // namespace

void CefURLPartsTraits::clear(struct_type* s) {
  for (auto member : kUrlPartMembers) cef_string_clear(&(s->*member));
}

void CefURLPartsTraits::set(const struct_type* src, struct_type* dst) {
  for (auto member : kUrlPartMembers) {
    dst->*member = cef_string_t{};
    CopyString(src->*member, &(dst->*member));
  }
}

void CefWindowInfoTraits::clear(struct_type* s) { cef_string_clear(&s->window_name); }

void CefWindowInfoTraits::set(const struct_type* src, struct_type* dst) {
  *dst = *src;
  dst->window_name = cef_string_t{};
  CopyString(src->window_name, &dst->window_name);
}

void CefWindowInfo::SetAsChild(HWND parent, RECT rect) {
  style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;
  parent_window = parent;
  x = rect.left;
  y = rect.top;
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
}
