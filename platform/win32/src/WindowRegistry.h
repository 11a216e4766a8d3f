// Handle -> window record map; any thread (mutex-guarded); owns the records until removal, after
// which the handle value is never handed out again.
#pragma once

#include "Window.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

class QWidget;

namespace win32 {

class WindowRegistry {
 public:
  static WindowRegistry& Instance();
  // Assigns a fresh handle to `window` and registers it.
  HWND Add(const std::shared_ptr<Window>& window);
  std::shared_ptr<Window> Find(HWND hwnd) const;
  // The window whose widget is `widget` or, failing that, its nearest registered ancestor.
  std::shared_ptr<Window> FindByWidget(const QWidget* widget) const;
  void Remove(HWND hwnd);
  // In creation order.
  std::vector<std::shared_ptr<Window>> Children(HWND parent) const;
  std::vector<std::shared_ptr<Window>> Owned(HWND owner) const;
  std::vector<std::shared_ptr<Window>> All() const;

 private:
  mutable std::mutex mutex_;
  std::map<HWND, std::shared_ptr<Window>> windows_;
  uintptr_t next_ = 0x10000;
};

// The record behind `hwnd`; null after reporting ERROR_INVALID_WINDOW_HANDLE for `call`.
std::shared_ptr<Window> FindOrFail(HWND hwnd, const char* call);

// The record behind `hwnd` when the calling thread owns it; reports and returns null otherwise.
std::shared_ptr<Window> FindOwnedOrFail(HWND hwnd, const char* call);

}  // namespace win32
