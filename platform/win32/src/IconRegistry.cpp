#include "IconRegistry.h"

#include "Diagnostics.h"
#include "Text.h"

#include <QFile>
#include <QPixmap>

namespace win32 {

IconRegistry& IconRegistry::Instance() {
  static IconRegistry registry;
  return registry;
}

HICON IconRegistry::Load(HINSTANCE instance, LPCWSTR name) {
  if (!name) {
    Fail("LoadIconW", ERROR_INVALID_PARAMETER, "no icon name");
    return nullptr;
  }
  const QString base = IS_INTRESOURCE(name) ? QString::number(reinterpret_cast<ULONG_PTR>(name)) : ToQString(name);
  const QString path = QStringLiteral(":/icons/%1.png").arg(base);
  if (!instance && IS_INTRESOURCE(name) && !QFile::exists(path)) {
    // A system icon (IDI_*): any recognisable image will do.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkCyan);
    return Add(QIcon(pixmap));
  }
  if (!QFile::exists(path)) {
    Fail("LoadIconW", ERROR_FILE_NOT_FOUND, "no icon resource " + path.toStdString());
    return nullptr;
  }
  return Add(QIcon(path));
}

HICON IconRegistry::Add(const QIcon& icon) {
  next_ += 4;
  const HICON handle = reinterpret_cast<HICON>(next_);
  icons_[handle] = icon;
  return handle;
}

bool IconRegistry::Destroy(HICON icon) {
  return icons_.erase(icon) != 0;
}

QIcon IconRegistry::Icon(HICON icon) const {
  const auto it = icons_.find(icon);
  return it == icons_.end() ? QIcon() : it->second;
}

bool IconRegistry::Contains(HICON icon) const {
  return icons_.count(icon) != 0;
}

}  // namespace win32
