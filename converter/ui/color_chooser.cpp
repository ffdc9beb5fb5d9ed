#include "converter/ui/color_chooser.h"

#include <QColorDialog>

namespace quantora {

std::optional<QColor> DialogColorChooser::choose(QWidget* parent, const QColor& initial,
                                                 const QString& title) {
    const QColor chosen = QColorDialog::getColor(initial, parent, title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

ColorValue colorValueOf(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorValue>((rgb.blue() << 16) | (rgb.green() << 8) | rgb.red());
}

}  // namespace quantora
