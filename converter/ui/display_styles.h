#pragma once
// applyFonts: the font and colour settings of the display elements put on
// the main window's controls - tree (element 0), list (1), convert-from box
// (2), status bar (3, font only) and convert-into box (colours of 4, font of 2).

#include "converter/settings/converter_settings.h"

#include <QFont>

class QLineEdit;
class QStatusBar;
class QWidget;

namespace quantora {

struct StyleTargets {
    QWidget& tree;
    QWidget& list;
    QLineEdit& input;
    QLineEdit& output;
    QStatusBar& statusBar;
};

// The font of element i; a size below 1 or above 144 points keeps the
// platform's size.
QFont elementFont(const ConverterSettings& settings, int element);

// Puts the fonts and colours on the controls (pApplyFonts).
void applyFonts(const ConverterSettings& settings, const StyleTargets& targets);

}  // namespace quantora
