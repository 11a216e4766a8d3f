// Reference-counted base of every engine API object; counts may change on
// any thread and the last CefRefPtr to let go deletes the object.
#ifndef CEF_INCLUDE_CEF_BASE_H_
#define CEF_INCLUDE_CEF_BASE_H_

#include "include/internal/cef_ptr.h"
#include "include/internal/cef_ref_count.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_types_wrappers.h"
#include "include/internal/cef_win.h"

class CefBase {
 public:
  virtual void AddRef() const = 0;
  // True when this call deleted the object.
  virtual bool Release() const = 0;
  virtual bool HasOneRef() const = 0;

 protected:
  virtual ~CefBase() = default;
};

#define IMPLEMENT_REFCOUNTING(ClassName)                     \
 public:                                                     \
  void AddRef() const override { ref_count_.AddRef(); }      \
  bool Release() const override {                            \
    if (!ref_count_.Release()) return false;                 \
    delete static_cast<const ClassName*>(this);              \
    return true;                                             \
  }                                                          \
  bool HasOneRef() const override { return ref_count_.HasOneRef(); } \
                                                             \
 private:                                                    \
  CefRefCount ref_count_

#endif  // CEF_INCLUDE_CEF_BASE_H_
