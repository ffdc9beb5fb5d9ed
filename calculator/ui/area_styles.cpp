#include "calculator/ui/area_styles.h"

#include "common/qt/system_colors.h"

#include <QApplication>
#include <QWidget>

namespace tallix {

namespace {
constexpr int kLargestFontSize = 144;
}

QFont areaFont(const FontArea& area) {
    QFont font = QApplication::font();
    // The stored default names the desktop's own dialog font, which here is
    // the application's font: no search for a family Linux does not have.
    if (area.name != kDefaultFontName)
        font.setFamily(QString::fromStdString(area.name));
    if (area.size >= 1 && area.size <= kLargestFontSize)
        font.setPointSize(area.size);
    font.setBold(area.bold == 1);
    font.setItalic(area.italic == 1);
    font.setUnderline(area.underline == 1);
    return font;
}

QColor storedColor(std::int32_t value, const QPalette& palette) {
    return common::colorFromValue(value, palette);
}

std::int32_t packedColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rgb.red()) |
                                     static_cast<std::uint32_t>(rgb.green()) << 8 |
                                     static_cast<std::uint32_t>(rgb.blue()) << 16);
}

void applyBoxStyle(QWidget& box, const FontArea& area) {
    const QPalette base = QApplication::palette(&box);
    QPalette palette = box.palette();
    const QColor background = storedColor(area.backColor, base);
    const QColor text = storedColor(area.textColor, base);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, text);
    }
    box.setPalette(palette);
    box.setFont(areaFont(area));
}

ButtonColors titleGlyphColors(const FontArea& titleBar, const QPalette& palette) {
    return setButtonColors(packedColor(storedColor(titleBar.textColor, palette)),
                           packedColor(storedColor(titleBar.backColor, palette)));
}

}  // namespace tallix
