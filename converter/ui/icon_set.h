#pragma once
// The converter's icons, drawn as SVG in the resources: the tree's images,
// the unit list's images, the toolbar's buttons. Each is loaded the first
// time it is asked for and kept (reading an SVG document is not free, and a
// start-up needs only some of them).

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>

namespace quantora {

class IconSet {
public:
    IconSet();

    // Tree image number (1-4 categories, 5-8 open categories, 9-12
    // quantities); the root has its own pair.
    const QIcon& treeImage(int image) const;
    const QIcon& root(bool open) const;
    // Unit image number: 1-4, 5-8 with a memo.
    const QIcon& unitImage(int image) const;
    // Toolbar button by key ("Open", "SaveAs", ...).
    QIcon toolbar(const QString& key) const;
    QIcon application() const;
    // The arrow between the value boxes, at its size in device-independent pixels.
    QPixmap arrow(qreal devicePixelRatio) const;
    // The hint window's animated picture: 0 dim, 1 half, 2 full.
    QPixmap hintPicture(int stage, qreal devicePixelRatio) const;
    // The four icon choices of the property dialogs (Icon# 1 to 4), drawn large.
    enum class Family { Category, Quantity, Unit };
    QPixmap choice(Family family, int icon, qreal devicePixelRatio) const;
    // The removal dialog's warning picture.
    QPixmap warning(qreal devicePixelRatio) const;

private:
    const QIcon& cached(QIcon& slot, const QString& name) const;

    mutable std::array<QIcon, 12> m_tree;
    mutable std::array<QIcon, 8> m_units;
    mutable QIcon m_rootClosed;
    mutable QIcon m_rootOpen;
};

}  // namespace quantora
