// ImageCache: decoded skin images by file path, shared by every window of the process; GUI thread only.
// The cache owns the images for the life of the process; a file that fails to load is reported once.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace DuiLib {

class ImageCache {
public:
    // A null image when the file cannot be read or decoded.
    static const QImage& Get(const QString& path);

private:
    static QHash<QString, QImage>& Images();
};

}  // namespace DuiLib
