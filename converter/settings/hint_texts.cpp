#include "converter/settings/hint_texts.h"

namespace quantora {

std::string hintText(int index, std::string_view decimalSepName) {
    switch (index) {
        case 0:
            return "The category tree can be scrolled by mouse only when not sorted.";
        case 1:
            return "The unit list can be scrolled by mouse only when not sorted.";
        case 2:
            return "The tree item can be moved only when the tree is not sorted.";
        case 3:
            return "The list item can be moved only when the list is not sorted.";
        case 4:
            return "Rename the new item immediately after added.";
        case kDecimalSepHint: {
            const std::string sep(decimalSepName);
            return "As it was detected your operating system uses a " + sep + " as decimal separator,\n" +
                   "Quantora 2000 will always use a " + sep + " as decimal separator to show any results.\n" +
                   "For input purposes you may use either a dot or a comma as decimal separator,\n" +
                   "but must IN NO WAY use them (or any other characters) as thousand separator.";
        }
        default:
            return {};
    }
}

bool hintWanted(const ConverterSettings& settings, int index) {
    if (index < 0 || index >= kHintCount)
        return false;
    return settings.hintFlags[static_cast<std::size_t>(index)] != 0;
}

void setHintSwitch(ConverterSettings& settings, int index, bool boxTicked) {
    if (index < 0 || index >= kHintCount)
        return;
    settings.hintFlags[static_cast<std::size_t>(index)] = boxTicked ? 0 : 1;
}

}  // namespace quantora
