#include "common/qt/resource_picture.h"

#include <QFile>
#include <QImageReader>

namespace common {

QPixmap resourcePicture(const QString& name, QSize size, qreal ratio) {
    const QSize pixels = size * ratio;
    const QString rendered =
        QStringLiteral(":/png/icons/%1@%2x%3.png").arg(name).arg(pixels.width()).arg(pixels.height());
    const bool found = QFile::exists(rendered);
    const QString path = found ? rendered : QStringLiteral(":/icons/%1.svg").arg(name);
    if (!found && !QFile::exists(path))
        return {};
    QImageReader reader(path);
    // The format named and no guessing: a reader that guesses loads every
    // image plugin to ask it.
    reader.setFormat(found ? QByteArrayLiteral("png") : QByteArrayLiteral("svg"));
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(pixels);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace common
