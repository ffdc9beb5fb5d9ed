#include "converter/settings/font_choice.h"

#include "common/numeric_text.h"
#include "common/text_rules.h"

#include <algorithm>
#include <cmath>

namespace quantora {
namespace {

constexpr std::array<std::string_view, kFontListCount> kListNames{
    "Physical Quantity Tree",      "Unit List", "Convert-from Box", "Convert-into Box", "Status Bar", "Print",
    "Text Boxes (Each Dialog Box)"};
constexpr std::array<FontElement, kFontListCount> kListElements{
    FontElement::Tree,      FontElement::List,     FontElement::InputBox,  FontElement::OutputBox,
    FontElement::StatusBar, FontElement::Printing, FontElement::DialogText};

constexpr int kSmallestShownSize = 8;
constexpr int kLargestShownSize = 16;
constexpr std::int16_t kEmptySize = 9;

std::size_t indexOf(FontElement element) {
    return static_cast<std::size_t>(element);
}

}  // namespace

FontChoices fontChoicesOf(const ConverterSettings& settings) {
    FontChoices choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        FontChoice& choice = choices[i];
        choice.name = settings.fontName[i];
        choice.size = settings.fontSize[i];
        choice.style = settings.fontStyle[i];
        if (i < static_cast<std::size_t>(kColorElements)) {
            choice.textColor = settings.textColor[i];
            choice.backColor = settings.backColor[i];
        }
    }
    return choices;
}

void storeFontChoices(const FontChoices& choices, ConverterSettings& settings) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        settings.fontName[i] = choices[i].name;
        settings.fontSize[i] = choices[i].size;
        settings.fontStyle[i] = choices[i].style;
        if (i < static_cast<std::size_t>(kColorElements)) {
            settings.textColor[i] = choices[i].textColor;
            settings.backColor[i] = choices[i].backColor;
        }
    }
}

std::string_view fontListName(int listIndex) {
    if (listIndex < 0 || listIndex >= kFontListCount)
        return {};
    return kListNames[static_cast<std::size_t>(listIndex)];
}

FontElement fontElementAt(int listIndex) {
    return kListElements[static_cast<std::size_t>(std::clamp(listIndex, 0, kFontListCount - 1))];
}

FontControls fontControlsFor(FontElement element) {
    switch (element) {
        case FontElement::Tree:
        case FontElement::List:
        case FontElement::InputBox:
            return {true, true, true, true};
        case FontElement::StatusBar:
            return {true, true, true, false};
        case FontElement::OutputBox:
            return {false, false, false, true};
        case FontElement::Printing:
            return {true, true, false, false};
        case FontElement::DialogText:
            return {true, false, false, false};
    }
    return {};
}

std::string fontDialogTitle(FontElement element) {
    for (std::size_t i = 0; i < kListElements.size(); ++i) {
        if (kListElements[i] == element)
            return " Font and Colors - " + std::string(kListNames[i]);
    }
    return " Font and Colors - ";
}

bool offeredFontName(std::string_view family) {
    return family.empty() || (family.front() != '@' && family.front() != '%' && family.front() != '&');
}

FontChoice openedFont(FontChoice choice) {
    if (choice.name.empty())
        choice.name = "Arial";
    choice.size =
        static_cast<std::int16_t>(std::clamp<int>(choice.size, kSmallestShownSize, kLargestShownSize));
    return choice;
}

std::optional<std::string> limitedSizeText(std::string_view typed) {
    if (common::numericTextValue(typed) > kLargestTypedSize)
        return std::to_string(kLargestTypedSize);
    return std::nullopt;
}

std::int16_t sizeOfText(std::string_view text) {
    if (common::trimBlanks(text).empty())
        return kEmptySize;
    const double value = std::round(common::numericTextValue(text));
    // The box only takes digits; a size beyond any font still stays a size.
    return static_cast<std::int16_t>(std::clamp(value, 1.0, static_cast<double>(kLargestShownSize)));
}

void confirmFont(FontElement element, const FontChoice& choice, FontChoices& choices) {
    choices[indexOf(element)] = choice;
    if (element == FontElement::InputBox) {
        FontChoice& into = choices[indexOf(FontElement::OutputBox)];
        into.name = choice.name;
        into.size = choice.size;
        into.style = choice.style;
    }
}

}  // namespace quantora
