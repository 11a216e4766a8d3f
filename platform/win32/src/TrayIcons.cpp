#include "TrayIcons.h"

#include "Diagnostics.h"
#include "IconRegistry.h"

#include <QPixmap>
#include <QSystemTrayIcon>

namespace win32 {
namespace {

// Windows sends the mouse message of the click; Qt tells only what kind of activation it was.
LPARAM MouseMessageFor(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger: return WM_LBUTTONUP;
    case QSystemTrayIcon::DoubleClick: return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Context: return WM_RBUTTONUP;
    case QSystemTrayIcon::MiddleClick: return WM_MBUTTONUP;
    case QSystemTrayIcon::Unknown: break;
  }
  return 0;
}

QIcon PlaceholderIcon() {
  QPixmap pixmap(22, 22);
  pixmap.fill(Qt::darkCyan);
  return QIcon(pixmap);
}

}  // namespace

TrayIcons& TrayIcons::Instance() {
  static TrayIcons icons;
  return icons;
}

void TrayIcons::Update(Entry& entry, const NOTIFYICONDATAW& data) {
  if (data.uFlags & NIF_MESSAGE) entry.callbackMessage = data.uCallbackMessage;
  if (data.uFlags & NIF_ICON) {
    const QIcon icon = IconRegistry::Instance().Icon(data.hIcon);
    entry.icon->setIcon(icon.isNull() ? PlaceholderIcon() : icon);
  }
  if (data.uFlags & NIF_TIP) entry.icon->setToolTip(QString::fromWCharArray(data.szTip));
}

void TrayIcons::Connect(const Key& key, Entry& entry) {
  QObject::connect(entry.icon.get(), &QSystemTrayIcon::activated, [this, key](QSystemTrayIcon::ActivationReason why) {
    const auto it = icons_.find(key);
    const LPARAM mouse = MouseMessageFor(why);
    if (it == icons_.end() || !it->second.callbackMessage || !mouse) return;
    PostMessageW(key.first, it->second.callbackMessage, key.second, mouse);
  });
}

bool TrayIcons::Add(const NOTIFYICONDATAW& data) {
  const Key key{data.hWnd, data.uID};
  if (icons_.count(key)) {
    Diagnose("Shell_NotifyIconW(NIM_ADD)", "icon already added for this window and id");
    return false;
  }
  if (!QSystemTrayIcon::isSystemTrayAvailable()) {
    Diagnose("Shell_NotifyIconW(NIM_ADD)", "no notification area is running");
    return false;
  }
  Entry& entry = icons_[key];
  entry.icon = std::make_unique<QSystemTrayIcon>();
  entry.icon->setIcon(PlaceholderIcon());
  Update(entry, data);
  Connect(key, entry);
  entry.icon->show();
  return true;
}

bool TrayIcons::Modify(const NOTIFYICONDATAW& data) {
  const auto it = icons_.find(Key{data.hWnd, data.uID});
  if (it == icons_.end()) {
    Diagnose("Shell_NotifyIconW(NIM_MODIFY)", "no such icon");
    return false;
  }
  Update(it->second, data);
  return true;
}

bool TrayIcons::Remove(const NOTIFYICONDATAW& data) {
  if (icons_.erase(Key{data.hWnd, data.uID})) return true;
  Diagnose("Shell_NotifyIconW(NIM_DELETE)", "no such icon");
  return false;
}

void TrayIcons::RemoveAll(HWND hwnd) {
  for (auto it = icons_.begin(); it != icons_.end();) {
    it = it->first.first == hwnd ? icons_.erase(it) : std::next(it);
  }
}

QRect TrayIcons::Geometry(HWND hwnd, UINT id) const {
  const auto it = icons_.find(Key{hwnd, id});
  return it == icons_.end() ? QRect() : it->second.icon->geometry();
}

}  // namespace win32
