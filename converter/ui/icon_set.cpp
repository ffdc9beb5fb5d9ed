#include "converter/ui/icon_set.h"

#include "common/qt/resource_picture.h"
#include "converter/settings/window_layout.h"

#include <QGuiApplication>
#include <QScreen>

// The icons live in the static library's resources, which the linker keeps
// only when something refers to them.
static void initIconResources() {
    Q_INIT_RESOURCE(quantora);
}

namespace quantora {
namespace {

constexpr int kIconSize = 16;
constexpr int kChoiceSize = 32;

using common::resourcePicture;

qreal screenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// Every icon is shown at 16 pixels: one drawing at the screen's ratio reads
// the document once (an icon engine reads it twice).
QIcon load(const QString& name) {
    return QIcon(resourcePicture(name, QSize(kIconSize, kIconSize), screenRatio()));
}

}  // namespace

IconSet::IconSet() {
    initIconResources();
}

const QIcon& IconSet::cached(QIcon& slot, const QString& name) const {
    if (slot.isNull())
        slot = load(name);
    return slot;
}

const QIcon& IconSet::root(bool open) const {
    return open ? cached(m_rootOpen, QStringLiteral("tree/root-open"))
                : cached(m_rootClosed, QStringLiteral("tree/root"));
}

const QIcon& IconSet::treeImage(int image) const {
    const int i = image >= 1 && image <= 12 ? image : 1;
    const QString n = QString::number((i - 1) % 4 + 1);
    const QString name = i <= 4   ? QStringLiteral("tree/category") + n
                         : i <= 8 ? QStringLiteral("tree/category") + n + QStringLiteral("-open")
                                  : QStringLiteral("tree/quantity") + n;
    return cached(m_tree[static_cast<std::size_t>(i - 1)], name);
}

const QIcon& IconSet::unitImage(int image) const {
    const int i = image >= 1 && image <= 8 ? image : 1;
    const QString name = QStringLiteral("list/unit") + QString::number((i - 1) % 4 + 1) +
                         (i > 4 ? QStringLiteral("-memo") : QString());
    return cached(m_units[static_cast<std::size_t>(i - 1)], name);
}

QIcon IconSet::toolbar(const QString& key) const {
    return load(QStringLiteral("toolbar/") + key.toLower());
}

QIcon IconSet::application() const {
    return QIcon(resourcePicture(QStringLiteral("quantora"), QSize(64, 64), 1.0));
}

QPixmap IconSet::arrow(qreal devicePixelRatio) const {
    return resourcePicture(QStringLiteral("arrow"), QSize(layout::kArrowWidth, layout::kArrowHeight),
                           devicePixelRatio);
}

QPixmap IconSet::hintPicture(int stage, qreal devicePixelRatio) const {
    static constexpr const char* kStages[] = {"hint/bulb-dim", "hint/bulb-half", "hint/bulb-full"};
    const int s = stage < 0 ? 0 : (stage > 2 ? 2 : stage);
    return resourcePicture(QString::fromLatin1(kStages[s]), QSize(32, 32), devicePixelRatio);
}

QPixmap IconSet::choice(Family family, int icon, qreal devicePixelRatio) const {
    const QString n = QString::number(icon >= 1 && icon <= 4 ? icon : 1);
    const QString name = family == Family::Category   ? QStringLiteral("tree/category") + n
                         : family == Family::Quantity ? QStringLiteral("tree/quantity") + n
                                                      : QStringLiteral("list/unit") + n;
    return resourcePicture(name, QSize(kChoiceSize, kChoiceSize), devicePixelRatio);
}

QPixmap IconSet::warning(qreal devicePixelRatio) const {
    return resourcePicture(QStringLiteral("dialog/warning"), QSize(kChoiceSize, kChoiceSize),
                           devicePixelRatio);
}

}  // namespace quantora
