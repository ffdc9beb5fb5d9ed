#include "calculator/ui/calc_icons.h"

#include "common/qt/resource_picture.h"

// The pictures live in the static library's resources, which the linker keeps
// only when something refers to them.
static void initCalcResources() {
    Q_INIT_RESOURCE(tallix);
}

namespace tallix {

namespace {

QPixmap render(const QString& name, QSize size, qreal ratio) {
    return common::resourcePicture(QStringLiteral("tallix/") + name, size, ratio);
}

}  // namespace

CalcIcons::CalcIcons() {
    initCalcResources();
}

QIcon CalcIcons::application() const {
    // One drawing, scaled down where a smaller one is wanted: each reading of
    // the document costs start-up time.
    return QIcon(render(QStringLiteral("tallix"), QSize(64, 64), 1.0));
}

QPixmap CalcIcons::titleIcon(qreal devicePixelRatio) const {
    return render(QStringLiteral("tallix"), QSize(16, 16), devicePixelRatio);
}

QIcon CalcIcons::send(qreal devicePixelRatio) const {
    return QIcon(render(QStringLiteral("send"), QSize(16, 16), devicePixelRatio));
}

}  // namespace tallix
