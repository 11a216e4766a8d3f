// Icon handles and the images behind them; GUI thread only; the registry owns the images until
// DestroyIcon.
#pragma once

#include <windows.h>

#include <QIcon>
#include <map>

namespace win32 {

class IconRegistry {
 public:
  static IconRegistry& Instance();
  // The image compiled in as ":/icons/<id>.png" (or "<name>.png"); null when absent.
  HICON Load(HINSTANCE instance, LPCWSTR name);
  HICON Add(const QIcon& icon);
  bool Destroy(HICON icon);
  QIcon Icon(HICON icon) const;
  bool Contains(HICON icon) const;

 private:
  std::map<HICON, QIcon> icons_;
  uintptr_t next_ = 0x30000;
};

}  // namespace win32
