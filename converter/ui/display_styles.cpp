#include "converter/ui/display_styles.h"

#include "common/qt/system_colors.h"

#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QWidget>

namespace quantora {
namespace {

constexpr int kLargestFontSize = 144;

void applyColors(QWidget& widget, const ConverterSettings& settings, int element) {
    QPalette palette = widget.palette();
    const QPalette base = QApplication::palette(&widget);
    const auto i = static_cast<std::size_t>(element);
    const QColor background = common::colorFromValue(settings.backColor[i], base);
    const QColor text = common::colorFromValue(settings.textColor[i], base);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, text);
    }
    widget.setPalette(palette);
}

}  // namespace

QFont elementFont(const ConverterSettings& settings, int element) {
    const auto i = static_cast<std::size_t>(element);
    QFont font = QApplication::font();
    font.setFamily(QString::fromStdString(settings.fontName[i]));
    if (settings.fontSize[i] >= 1 && settings.fontSize[i] <= kLargestFontSize)
        font.setPointSize(settings.fontSize[i]);
    font.setBold(settings.fontStyle[i][0] == 1);
    font.setItalic(settings.fontStyle[i][1] == 1);
    font.setUnderline(settings.fontStyle[i][2] == 1);
    return font;
}

void applyFonts(const ConverterSettings& settings, const StyleTargets& targets) {
    applyColors(targets.tree, settings, 0);
    targets.tree.setFont(elementFont(settings, 0));
    applyColors(targets.list, settings, 1);
    targets.list.setFont(elementFont(settings, 1));
    applyColors(targets.input, settings, 2);
    targets.input.setFont(elementFont(settings, 2));
    applyColors(targets.output, settings, 4);
    targets.output.setFont(elementFont(settings, 2));
    targets.statusBar.setFont(elementFont(settings, 3));
}

}  // namespace quantora
