#include "calculator/ui/calc_icons.h"

#include <QImageReader>

// The pictures live in the static library's resources, which the linker keeps
// only when something refers to them.
static void initCalcResources() {
    Q_INIT_RESOURCE(tallix);
}

namespace tallix {

namespace {

QPixmap render(const QString& name, QSize size, qreal ratio) {
    QImageReader reader(QStringLiteral(":/icons/tallix/") + name + QStringLiteral(".svg"));
    reader.setScaledSize(size * ratio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

CalcIcons::CalcIcons() {
    initCalcResources();
}

QIcon CalcIcons::application() const {
    QIcon icon;
    for (const int size : {16, 32, 64})
        icon.addPixmap(render(QStringLiteral("tallix"), QSize(size, size), 1.0));
    return icon;
}

QPixmap CalcIcons::titleIcon(qreal devicePixelRatio) const {
    return render(QStringLiteral("tallix"), QSize(16, 16), devicePixelRatio);
}

QIcon CalcIcons::send(qreal devicePixelRatio) const {
    return QIcon(render(QStringLiteral("send"), QSize(16, 16), devicePixelRatio));
}

}  // namespace tallix
