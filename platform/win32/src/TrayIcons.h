// Notification-area icons behind Shell_NotifyIconW; GUI thread only; the registry owns the
// QSystemTrayIcons until NIM_DELETE or the window's destruction.
#pragma once

#include <shellapi.h>

#include <QRect>
#include <map>
#include <memory>
#include <utility>

class QSystemTrayIcon;

namespace win32 {

class TrayIcons {
 public:
  static TrayIcons& Instance();
  bool Add(const NOTIFYICONDATAW& data);
  bool Modify(const NOTIFYICONDATAW& data);
  bool Remove(const NOTIFYICONDATAW& data);
  void RemoveAll(HWND hwnd);
  // Where the icon sits on screen (empty when not docked); tests click it.
  QRect Geometry(HWND hwnd, UINT id) const;

 private:
  struct Entry {
    std::unique_ptr<QSystemTrayIcon> icon;
    UINT callbackMessage = 0;
  };
  using Key = std::pair<HWND, UINT>;

  void Update(Entry& entry, const NOTIFYICONDATAW& data);
  void Connect(const Key& key, Entry& entry);

  std::map<Key, Entry> icons_;
};

}  // namespace win32
