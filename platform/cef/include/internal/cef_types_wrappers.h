// C++ owners of the settings structs: each wrapper owns the strings inside
// its struct, zero-fills on construction and deep-copies; used on the window
// thread.
#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_

#include <cstring>

#include "include/internal/cef_types.h"

// Traits name the string members of a struct so the base can copy and free them.
template <class Traits>
class CefStructBase : public Traits::struct_type {
 public:
  using struct_type = typename Traits::struct_type;

  CefStructBase() { Reset(); }
  CefStructBase(const CefStructBase& other) : CefStructBase() { CopyFrom(other); }
  CefStructBase(const struct_type& other) : CefStructBase() { CopyFrom(other); }
  ~CefStructBase() { Traits::clear(this); }

  CefStructBase& operator=(const CefStructBase& other) { return *this = static_cast<const struct_type&>(other); }
  CefStructBase& operator=(const struct_type& other) {
    if (&other == this) return *this;
    Traits::clear(this);
    Reset();
    CopyFrom(other);
    return *this;
  }

 private:
  void Reset() {
    std::memset(static_cast<struct_type*>(this), 0, sizeof(struct_type));
    if constexpr (requires(struct_type& s) { s.size; }) this->size = sizeof(struct_type);
  }
  void CopyFrom(const struct_type& other) { Traits::set(&other, this); }
};

struct CefSettingsTraits {
  using struct_type = cef_settings_t;
  static void clear(struct_type* s);
  static void set(const struct_type* src, struct_type* dst);
};
using CefSettings = CefStructBase<CefSettingsTraits>;

struct CefBrowserSettingsTraits {
  using struct_type = cef_browser_settings_t;
  static void clear(struct_type* s);
  static void set(const struct_type* src, struct_type* dst);
};
using CefBrowserSettings = CefStructBase<CefBrowserSettingsTraits>;

struct CefURLPartsTraits {
  using struct_type = cef_urlparts_t;
  static void clear(struct_type* s);
  static void set(const struct_type* src, struct_type* dst);
};
using CefURLParts = CefStructBase<CefURLPartsTraits>;

// Pop-up features carry no strings; a plain copy is enough.
class CefPopupFeatures : public cef_popup_features_t {
 public:
  CefPopupFeatures() { std::memset(static_cast<cef_popup_features_t*>(this), 0, sizeof(cef_popup_features_t)); }
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
