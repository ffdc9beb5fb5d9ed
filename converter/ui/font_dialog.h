#pragma once
// frmFont: the font and colours of one display element, edited on a copy
// that the options dialog keeps. Which controls apply depends on the
// element; the sample shows the choice as it stands.

#include "converter/settings/font_choice.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace quantora {

class ColorChooser;

class FontDialog : public QDialog {
    Q_OBJECT
public:
    // textFont: the font of the dialogs' text boxes (element 6).
    FontDialog(FontElement element, const FontChoice& copy, ColorChooser& colors, const QFont& textFont,
               QWidget* owner);

    FontElement element() const { return m_element; }
    // The copy as OK leaves it.
    FontChoice choice() const;

signals:
    void helpWanted();

private:
    void fillFonts();
    void updateSample();
    void sizeTyped(const QString& text);
    void chooseColor(bool text);

    FontElement m_element;
    ColorChooser& m_colors;
    FontChoice m_pending;
    QComboBox* m_fonts;
    QComboBox* m_size;
    std::array<QCheckBox*, 3> m_styles{};
    QPushButton* m_foreColor;
    QPushButton* m_backColor;
    QFrame* m_sampleFrame;
    QLabel* m_sample;
};

}  // namespace quantora
