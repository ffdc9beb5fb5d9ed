#include "calculator/eval/button_colors.h"

#include <algorithm>
#include <array>

#include "common/numeric_text.h"

namespace tallix {

namespace {

using Channels = std::array<double, 3>;  // red, green, blue

Channels channelsOf(std::int32_t color) {
    const auto bits = static_cast<std::uint32_t>(color);
    return {static_cast<double>(bits & 0xFFu), static_cast<double>((bits >> 8) & 0xFFu),
            static_cast<double>((bits >> 16) & 0xFFu)};
}

std::int32_t packed(const Channels& c) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto channel = static_cast<std::uint32_t>(std::clamp(c[i], 0.0, 255.0));
        bits |= channel << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

ButtonColors setButtonColors(std::int32_t textColor, std::int32_t backColor) {
    const Channels text = channelsOf(textColor);
    const Channels back = channelsOf(backColor);
    Channels hover{};
    Channels pressed{};
    for (std::size_t i = 0; i < hover.size(); ++i) {
        const double contrast = 255.0 - back[i];
        hover[i] = std::min(common::roundHalfEven((contrast + text[i]) * 0.49), 255.0);
        pressed[i] = common::roundHalfEven(hover[i] * 0.9);
    }
    return ButtonColors{textColor, packed(hover), packed(pressed)};
}

std::int16_t dialogFontSize(std::string_view sizeText) {
    const double size = common::roundHalfEven(common::numericTextValue(sizeText));
    return static_cast<std::int16_t>(std::clamp(size, 8.0, 24.0));
}

}  // namespace tallix
