// Registered window classes; any thread, guarded by a mutex; the registry owns the class records.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace win32 {

struct WindowClass {
  std::wstring name;
  ATOM atom = 0;
  WNDCLASSEXW info{};
  std::wstring menuName;
};

class ClassRegistry {
 public:
  static ClassRegistry& Instance();
  // Returns 0 and sets the last error when the name is taken or missing.
  ATOM Register(const WNDCLASSEXW& wc);
  // `name` is a class name or an atom made with MAKEINTATOM.
  std::shared_ptr<const WindowClass> Find(LPCWSTR name) const;
  bool Unregister(LPCWSTR name);

 private:
  static std::wstring Key(const std::wstring& name);
  std::shared_ptr<const WindowClass> FindLocked(LPCWSTR name) const;

  mutable std::mutex mutex_;
  std::map<std::wstring, std::shared_ptr<WindowClass>> byName_;
  ATOM nextAtom_ = 0xC000;
};

}  // namespace win32
