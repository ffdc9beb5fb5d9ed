#pragma once
// The calculator's menu items. Single items of the pop-up menu by name; the
// menu arrays by the index their object names carry (mnuNotationArray_2 is
// NotationItem::Integer).

namespace tallix {

enum class CalcItem {
    Minimize,  // mnuMin, the default item
    StayTop,   // mnuStayTop
    Clear,     // mnuClear
    Custom,    // mnuCustom
    Help,      // mnuHelp
    ToolTip,   // mnuTooltip
    About,     // mnuAbout
    Exit,      // mnuExit
};

// mnuDigitsArray_i chooses 6 + i significant figures.
inline constexpr int kDigitsItems = 10;
inline constexpr int kFirstDigits = 6;

enum class NotationItem { Regular = 0, Scientific = 1, Integer = 2 };
enum class TrigItem { Degree = 0, Radian = 1 };
// mnuColorArray_i edits area 6 + i.
enum class ColorItem { Expression = 0, Result = 1, TitleBar = 2 };

// Help topics of Tallix.hlp the dialogs open.
enum class HelpTopic { Contents = 0, FontsAndColors = 14, CustomFunctions = 15 };

}  // namespace tallix
