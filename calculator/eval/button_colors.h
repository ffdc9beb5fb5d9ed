#pragma once
// Colours of the title bar glyphs (minimise and close), from the title bar's
// text and background colours; also the size rule of the fonts dialog.

#include <cstdint>
#include <string_view>

namespace tallix {

struct ButtonColors {
    std::int32_t normal = 0;   // the title bar text colour
    std::int32_t hover = 0;    // (contrast + normal) * 0.49
    std::int32_t pressed = 0;  // hover * 0.9

    friend bool operator==(const ButtonColors&, const ButtonColors&) = default;
};

// textColor and backColor are packed RGB numbers (low byte red); a system
// colour must be resolved to its RGB value first. The contrast colour has each
// component 255 minus the background's. Hover and pressed are computed on the
// packed numbers, rounded half to even, then limited to at most 16777215 and
// at least the background's blue component (pSetButtonColors).
ButtonColors setButtonColors(std::int32_t textColor, std::int32_t backColor);

// The fonts dialog's size: the number in the size box limited to 8..24.
std::int16_t dialogFontSize(std::string_view sizeText);

}  // namespace tallix
