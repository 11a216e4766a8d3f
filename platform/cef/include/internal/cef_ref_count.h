// Thread-safe reference counter behind IMPLEMENT_REFCOUNTING; any thread may
// touch it, and the object embedding it owns it.
#ifndef CEF_INCLUDE_INTERNAL_CEF_REF_COUNT_H_
#define CEF_INCLUDE_INTERNAL_CEF_REF_COUNT_H_

#include <atomic>

class CefRefCount {
 public:
  void AddRef() const { count_.fetch_add(1, std::memory_order_relaxed); }
  // True when this call dropped the last reference.
  bool Release() const { return count_.fetch_sub(1, std::memory_order_acq_rel) == 1; }
  bool HasOneRef() const { return count_.load(std::memory_order_acquire) == 1; }

 private:
  mutable std::atomic<int> count_{0};
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_REF_COUNT_H_
