#pragma once
// Colours of the title bar glyphs (minimise and close), from the title bar's
// text and background colours; also the size rule of the fonts dialog.

#include <cstdint>
#include <string_view>

namespace tallix {

struct ButtonColors {
    std::int32_t normal = 0;   // the title bar text colour
    std::int32_t hover = 0;    // (contrast + normal) * 0.49, per channel
    std::int32_t pressed = 0;  // hover * 0.9, per channel

    friend bool operator==(const ButtonColors&, const ButtonColors&) = default;
};

// textColor and backColor are packed RGB numbers (low byte red); a system
// colour must be resolved to its RGB value first. The contrast colour has each
// channel 255 minus the background's. Hover and pressed are computed channel
// by channel, rounded half to even and limited to 0..255: mixing the channels
// in one packed number would carry green into blue and give a dark purple
// where a light colour is meant (pSetButtonColors).
ButtonColors setButtonColors(std::int32_t textColor, std::int32_t backColor);

// The fonts dialog's size: the number in the size box limited to 8..24.
std::int16_t dialogFontSize(std::string_view sizeText);

}  // namespace tallix
