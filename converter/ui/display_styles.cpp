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
    const QColor background = common::ColorFromValue(settings.BackColor[i], base);
    const QColor text = common::ColorFromValue(settings.TextColor[i], base);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, text);
    }
    widget.setPalette(palette);
}

}  // namespace

QFont ElementFont(const ConverterSettings& settings, int element) {
    const auto i = static_cast<std::size_t>(element);
    QFont font = QApplication::font();
    font.setFamily(QString::fromStdString(settings.FontName[i]));
    if (settings.FontSize[i] >= 1 && settings.FontSize[i] <= kLargestFontSize) font.setPointSize(settings.FontSize[i]);
    font.setBold(settings.FontStyle[i][0] == 1);
    font.setItalic(settings.FontStyle[i][1] == 1);
    font.setUnderline(settings.FontStyle[i][2] == 1);
    return font;
}

void pApplyFonts(const ConverterSettings& settings, const StyleTargets& targets) {
    applyColors(targets.tree, settings, 0);
    targets.tree.setFont(ElementFont(settings, 0));
    applyColors(targets.list, settings, 1);
    targets.list.setFont(ElementFont(settings, 1));
    applyColors(targets.input, settings, 2);
    targets.input.setFont(ElementFont(settings, 2));
    applyColors(targets.output, settings, 4);
    targets.output.setFont(ElementFont(settings, 2));
    targets.statusBar.setFont(ElementFont(settings, 3));
}

}  // namespace quantora
