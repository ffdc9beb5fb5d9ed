#pragma once
// Stored colour values as both programs keep them: 0x00BBGGRR for a colour
// of its own, 0x80000000 + n for the desktop's system colour n, which maps
// to the matching role of the platform palette.

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <optional>

namespace common {

// The palette role standing for system colour n (5 window -> Base, 8 window
// text -> Text, 15 button face -> Button, 4 menu -> Window, ...); nothing for
// an unknown n.
std::optional<QPalette::ColorRole> systemColorRole(int n);

// The colour a stored value means; an unknown system colour gives the
// palette's Base colour.
QColor colorFromValue(std::int32_t value, const QPalette& palette);

}  // namespace common
