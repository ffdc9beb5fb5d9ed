#pragma once
// Fonts and colours of the window's three areas (6 expression box, 7 result
// box, 8 title bar) as Qt values, and back.

#include "calculator/eval/button_colors.h"
#include "calculator/eval/calculator_settings.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace tallix {

// The area's font; a size outside 1..144 keeps the application's size. The
// default name "MS Sans Serif" stands for the application's font family.
QFont areaFont(const FontArea& area);
// A stored colour (a system colour resolves through the palette).
QColor storedColor(std::int32_t value, const QPalette& palette);
// A chosen colour as the store keeps it: 0x00BBGGRR.
std::int32_t packedColor(const QColor& color);

// A text box: the area's font, text and background colours.
void applyBoxStyle(QWidget& box, const FontArea& area);

// The glyph colours for the title bar, system colours resolved first.
ButtonColors titleGlyphColors(const FontArea& titleBar, const QPalette& palette);

}  // namespace tallix
