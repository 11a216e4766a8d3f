// Intrusive smart pointer over CefBase objects; usable on any thread, each
// CefRefPtr holds one reference to its object.
#ifndef CEF_INCLUDE_INTERNAL_CEF_PTR_H_
#define CEF_INCLUDE_INTERNAL_CEF_PTR_H_

#include <cstddef>
#include <utility>

template <class T>
class CefRefPtr {
 public:
  CefRefPtr() = default;
  CefRefPtr(T* p) : ptr_(p) { Retain(); }
  CefRefPtr(const CefRefPtr& other) : CefRefPtr(other.ptr_) {}
  CefRefPtr(CefRefPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  template <class U>
  CefRefPtr(const CefRefPtr<U>& other) : CefRefPtr(other.get()) {}
  ~CefRefPtr() { Drop(); }

  CefRefPtr& operator=(T* p) {
    CefRefPtr(p).swap(*this);
    return *this;
  }
  CefRefPtr& operator=(const CefRefPtr& other) { return *this = other.ptr_; }
  CefRefPtr& operator=(CefRefPtr&& other) noexcept {
    CefRefPtr(std::move(other)).swap(*this);
    return *this;
  }
  template <class U>
  CefRefPtr& operator=(const CefRefPtr<U>& other) { return *this = other.get(); }

  T* get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  T& operator*() const { return *ptr_; }
  operator T*() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  void swap(CefRefPtr& other) noexcept { std::swap(ptr_, other.ptr_); }

 private:
  void Retain() {
    if (ptr_) ptr_->AddRef();
  }
  void Drop() {
    if (ptr_) ptr_->Release();
  }

  T* ptr_ = nullptr;
};

template <class T, class U>
bool operator==(const CefRefPtr<T>& a, const CefRefPtr<U>& b) { return a.get() == b.get(); }
template <class T>
bool operator==(const CefRefPtr<T>& a, std::nullptr_t) { return a.get() == nullptr; }
template <class T>
bool operator==(const CefRefPtr<T>& a, const T* b) { return a.get() == b; }
template <class T, class U>
bool operator<(const CefRefPtr<T>& a, const CefRefPtr<U>& b) { return a.get() < b.get(); }

#endif  // CEF_INCLUDE_INTERNAL_CEF_PTR_H_
