#pragma once
// The pictures compiled into a program: ":/icons/<name>.svg", and for the
// sizes the programs use PNG renders made at build time.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace common {

// The picture at a size in device-independent pixels, sharp at the pixel
// ratio. A PNG rendered for exactly that many device pixels is read when
// there is one: it needs no SVG plugin, whose loading and drawing cost
// start-up time. Any other size is drawn from the SVG; an unknown name gives
// an empty picture.
QPixmap resourcePicture(const QString& name, QSize size, qreal ratio);

}  // namespace common
