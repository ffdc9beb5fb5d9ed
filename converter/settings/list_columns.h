#pragma once
// Column set-up of the unit list: three layouts (units, constants, number
// systems) of four columns, titles and widths kept in the settings.

#include "converter/settings/converter_settings.h"

#include <array>
#include <string>

namespace quantora {

inline constexpr float kMinHeaderWidth = 240;  // twips

struct ColumnHeader {
    std::string text;  // as shown: "&" access-key markers removed
    float width = 0;   // twips
};

// First mends every layout in the settings (an empty title becomes one blank,
// a width below 240 twips becomes 240), then gives the four columns of layout
// mode. The number-system layout has two titles; its other columns show " ".
std::array<ColumnHeader, 4> setColumnHeaders(ConverterSettings& settings, int mode);

}  // namespace quantora
