#pragma once
// frmCalcFont, " Fonts and Colors - ...": font, size, style and colours of one
// area of the window (6 expression, 7 result, 8 title bar), tried out on a
// sample. OK gives the edited area back; Cancel changes nothing.

#include "calculator/eval/calculator_settings.h"
#include "calculator/ui/calc_menu_items.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tallix {

class ColorChooser;

class CalcFontDialog : public QDialog {
    Q_OBJECT
public:
    CalcFontDialog(ColorItem which, const FontArea& area, ColorChooser& colors, QWidget* owner);

    // The values as OK stores them: the font box's name, the size limited to
    // 8..24, the three styles and the sample's colours.
    FontArea area() const;

signals:
    void helpRequested();

private:
    void showSample();
    void chooseColor(std::int32_t& value);

    ColorChooser& m_colors;
    FontArea m_area;
    QComboBox* m_fonts;
    QComboBox* m_size;
    std::array<QCheckBox*, 3> m_styles{};
    QLabel* m_sample;
};

}  // namespace tallix
