#pragma once
// The font and colours of one display element as the options dialog edits
// them: a working copy per element, taken from the settings when the dialog
// opens and written back only when it is confirmed. The fonts dialog edits
// one copy at a time; which of its controls apply depends on the element.
//
// settings -> FontChoices -> fonts dialog (openedFont, confirmFont) -> OK -> settings

#include "converter/settings/converter_settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// Elements: 0 tree, 1 list, 2 convert-from box, 3 status bar, 4 convert-into
// box, 5 printing, 6 text boxes of the dialogs.
enum class FontElement : int {
    Tree = 0,
    List = 1,
    InputBox = 2,
    StatusBar = 3,
    OutputBox = 4,
    Printing = 5,
    DialogText = 6
};

struct FontChoice {
    std::string name;
    std::int16_t size = 9;
    std::array<std::int16_t, 3> style{0, 0, 0};  // bold, italic, underline: 1 = on
    ColorValue textColor = 0;
    ColorValue backColor = 16777215;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};
using FontChoices = std::array<FontChoice, kFontElements>;

FontChoices fontChoicesOf(const ConverterSettings& settings);
// Elements 5 and 6 have no colours in the settings: theirs are dropped.
void storeFontChoices(const FontChoices& choices, ConverterSettings& settings);

// The options dialog's list of elements, in its order (the convert-into box
// before the status bar), and the element each position edits (pnWhichFont).
inline constexpr int kFontListCount = kFontElements;
std::string_view fontListName(int listIndex);
FontElement fontElementAt(int listIndex);

// Which controls of the fonts dialog the element uses.
struct FontControls {
    bool name = false;
    bool size = false;
    bool styles = false;
    bool colors = false;
    friend bool operator==(const FontControls&, const FontControls&) = default;
};
FontControls fontControlsFor(FontElement element);

// " Font and Colors - " and the element's name as the options list shows it.
std::string fontDialogTitle(FontElement element);

// Installed names that begin with "@", "%" or "&" are not offered.
bool offeredFontName(std::string_view family);

// The copy as the dialog shows it: an empty name is "Arial", the size is
// kept within 8 to 16 points.
FontChoice openedFont(FontChoice choice);

// Sizes typed above kLargestTypedSize are replaced by it; nothing when the
// text can stay.
inline constexpr int kLargestTypedSize = 14;
std::optional<std::string> limitedSizeText(std::string_view typed);
// The size the box's text stands for, rounded; an empty box means 9.
std::int16_t sizeOfText(std::string_view text);

// OK of the fonts dialog: the copy replaces the element's; the convert-from
// box lends its font (not its colours) to the convert-into box.
void confirmFont(FontElement element, const FontChoice& choice, FontChoices& choices);

}  // namespace quantora
