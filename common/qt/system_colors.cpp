#include "common/qt/system_colors.h"

namespace common {

std::optional<QPalette::ColorRole> systemColorRole(int n) {
    switch (n) {
        case 0:
            return QPalette::Mid;  // scroll bar
        case 1:
            return QPalette::Dark;  // desktop
        case 2:
            return QPalette::Highlight;  // active title bar
        case 3:
            return QPalette::Mid;  // inactive title bar
        case 4:
            return QPalette::Window;  // menu
        case 5:
            return QPalette::Base;  // window background
        case 6:
            return QPalette::Shadow;  // window frame
        case 7:
            return QPalette::WindowText;  // menu text
        case 8:
            return QPalette::Text;  // window text
        case 9:
            return QPalette::HighlightedText;  // title bar text
        case 10:
            return QPalette::Window;  // active border
        case 11:
            return QPalette::Window;  // inactive border
        case 12:
            return QPalette::Dark;  // application workspace
        case 13:
            return QPalette::Highlight;  // selected item
        case 14:
            return QPalette::HighlightedText;  // selected item text
        case 15:
            return QPalette::Button;  // button face
        case 16:
            return QPalette::Dark;  // button shadow
        case 17:
            return QPalette::PlaceholderText;  // grey text
        case 18:
            return QPalette::ButtonText;  // button text
        case 19:
            return QPalette::PlaceholderText;  // inactive title bar text
        case 20:
            return QPalette::Light;  // button highlight
        case 21:
            return QPalette::Shadow;  // dark 3D shadow
        case 22:
            return QPalette::Midlight;  // 3D light
        case 23:
            return QPalette::ToolTipText;  // tool tip text
        case 24:
            return QPalette::ToolTipBase;  // tool tip background
        default:
            return std::nullopt;
    }
}

QColor colorFromValue(std::int32_t value, const QPalette& palette) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (bits & 0x80000000U) {
        const auto role = systemColorRole(static_cast<int>(bits & 0x00FFFFFFU));
        return palette.color(role.value_or(QPalette::Base));
    }
    return QColor(static_cast<int>(bits & 0xFFU), static_cast<int>((bits >> 8) & 0xFFU),
                  static_cast<int>((bits >> 16) & 0xFFU));
}

}  // namespace common
