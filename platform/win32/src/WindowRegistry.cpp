#include "WindowRegistry.h"

#include "Diagnostics.h"

#include <QWidget>

namespace win32 {

WindowRegistry& WindowRegistry::Instance() {
  static WindowRegistry registry;
  return registry;
}

HWND WindowRegistry::Add(const std::shared_ptr<Window>& window) {
  std::lock_guard lock(mutex_);
  next_ += 4;
  window->hwnd = reinterpret_cast<HWND>(next_);
  windows_[window->hwnd] = window;
  return window->hwnd;
}

std::shared_ptr<Window> WindowRegistry::Find(HWND hwnd) const {
  std::lock_guard lock(mutex_);
  const auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second;
}

std::shared_ptr<Window> WindowRegistry::FindByWidget(const QWidget* widget) const {
  std::lock_guard lock(mutex_);
  for (; widget; widget = widget->parentWidget()) {
    for (const auto& [hwnd, window] : windows_) {
      if (window->widget == widget) return window;
    }
  }
  return nullptr;
}

void WindowRegistry::Remove(HWND hwnd) {
  std::lock_guard lock(mutex_);
  windows_.erase(hwnd);
}

std::vector<std::shared_ptr<Window>> WindowRegistry::Children(HWND parent) const {
  std::lock_guard lock(mutex_);
  std::vector<std::shared_ptr<Window>> result;
  for (const auto& [hwnd, window] : windows_) {
    if (window->parent == parent && window->IsChild()) result.push_back(window);
  }
  return result;
}

std::vector<std::shared_ptr<Window>> WindowRegistry::Owned(HWND owner) const {
  std::lock_guard lock(mutex_);
  std::vector<std::shared_ptr<Window>> result;
  for (const auto& [hwnd, window] : windows_) {
    if (window->owner == owner && !window->IsChild()) result.push_back(window);
  }
  return result;
}

std::vector<std::shared_ptr<Window>> WindowRegistry::All() const {
  std::lock_guard lock(mutex_);
  std::vector<std::shared_ptr<Window>> result;
  for (const auto& [hwnd, window] : windows_) result.push_back(window);
  return result;
}

std::shared_ptr<Window> FindOrFail(HWND hwnd, const char* call) {
  auto window = WindowRegistry::Instance().Find(hwnd);
  if (!window) FailInvalidHandle(call, hwnd);
  return window;
}

std::shared_ptr<Window> FindOwnedOrFail(HWND hwnd, const char* call) {
  auto window = FindOrFail(hwnd, call);
  if (!window || window->threadId == GetCurrentThreadId()) return window;
  Fail(call, ERROR_WINDOW_OF_OTHER_THREAD, "the window belongs to another thread");
  return nullptr;
}

}  // namespace win32
