#include "ImageCache.h"

#include "DuiLog.h"

namespace DuiLib {

QHash<QString, QImage>& ImageCache::Images()
{
    static QHash<QString, QImage> images;
    return images;
}

const QImage& ImageCache::Get(const QString& path)
{
    QHash<QString, QImage>& images = Images();
    const auto found = images.constFind(path);
    if (found != images.constEnd())
        return found.value();
    QImage image(path);
    if (image.isNull())
        DuiLog(QStringLiteral("cannot load image %1").arg(path));
    return images.insert(path, image).value();
}

}  // namespace DuiLib
