#pragma once
// The calculator's pictures, drawn as SVG in its resources: the program icon
// and the send button's arrow, each rendered sharp for the screen's pixel ratio.

#include <QIcon>
#include <QPixmap>

namespace tallix {

class CalcIcons {
public:
    CalcIcons();

    QIcon application() const;
    // The title bar's icon, 16 pixels.
    QPixmap titleIcon(qreal devicePixelRatio) const;
    QIcon send(qreal devicePixelRatio) const;
};

}  // namespace tallix
