#include "calculator/ui/color_chooser.h"

#include <QColorDialog>

namespace tallix {

std::optional<QColor> DialogColorChooser::choose(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

}  // namespace tallix
