#include "calculator/eval/button_colors.h"

#include <algorithm>

#include "common/numeric_text.h"

namespace tallix {

ButtonColors setButtonColors(std::int32_t textColor, std::int32_t backColor) {
    const std::uint32_t back = static_cast<std::uint32_t>(backColor);
    const double red = back & 0xFFu;
    const double green = (back >> 8) & 0xFFu;
    const double blue = (back >> 16) & 0xFFu;
    const double contrast = (255.0 - red) + (255.0 - green) * 256.0 + (255.0 - blue) * 65536.0;

    const double hover = common::roundHalfEven((contrast + textColor) * 0.49);
    const double pressed = common::roundHalfEven(hover * 0.9);
    const auto limit = [blue](double value) {
        return static_cast<std::int32_t>(std::max(std::min(value, 16777215.0), blue));
    };
    return ButtonColors{textColor, limit(hover), limit(pressed)};
}

std::int16_t dialogFontSize(std::string_view sizeText) {
    const double size = common::roundHalfEven(common::numericTextValue(sizeText));
    return static_cast<std::int16_t>(std::clamp(size, 8.0, 24.0));
}

}  // namespace tallix
