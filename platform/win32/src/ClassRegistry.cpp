#include "ClassRegistry.h"

#include "Diagnostics.h"
#include "Text.h"

#include <cwctype>

namespace win32 {

ClassRegistry& ClassRegistry::Instance() {
  static ClassRegistry registry;
  return registry;
}

std::wstring ClassRegistry::Key(const std::wstring& name) {
  std::wstring key = name;
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
  return key;
}

ATOM ClassRegistry::Register(const WNDCLASSEXW& wc) {
  if (!wc.lpszClassName || IS_INTRESOURCE(wc.lpszClassName) || !*wc.lpszClassName || !wc.lpfnWndProc) {
    Fail("RegisterClassExW", ERROR_INVALID_PARAMETER, "class name and window procedure are required");
    return 0;
  }
  std::lock_guard lock(mutex_);
  const std::wstring key = Key(wc.lpszClassName);
  if (byName_.count(key)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto cls = std::make_shared<WindowClass>();
  cls->name = wc.lpszClassName;
  cls->atom = nextAtom_++;
  cls->info = wc;
  if (wc.lpszMenuName && !IS_INTRESOURCE(wc.lpszMenuName)) cls->menuName = wc.lpszMenuName;
  cls->info.lpszClassName = cls->name.c_str();
  cls->info.lpszMenuName = cls->menuName.empty() ? wc.lpszMenuName : cls->menuName.c_str();
  byName_[key] = cls;
  return cls->atom;
}

std::shared_ptr<const WindowClass> ClassRegistry::FindLocked(LPCWSTR name) const {
  if (!name) return nullptr;
  if (IS_INTRESOURCE(name)) {
    const ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    for (const auto& [key, cls] : byName_) {
      if (cls->atom == atom) return cls;
    }
    return nullptr;
  }
  const auto it = byName_.find(Key(name));
  return it == byName_.end() ? nullptr : it->second;
}

std::shared_ptr<const WindowClass> ClassRegistry::Find(LPCWSTR name) const {
  std::lock_guard lock(mutex_);
  return FindLocked(name);
}

bool ClassRegistry::Unregister(LPCWSTR name) {
  std::lock_guard lock(mutex_);
  auto cls = FindLocked(name);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return false;
  }
  byName_.erase(Key(cls->name));
  return true;
}

}  // namespace win32
