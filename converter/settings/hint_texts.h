#pragma once
// The six hints of the converter, each shown once in a small window until the
// user switches it off; the switches persist as "Extra"/"ShowMessage".

#include "converter/settings/converter_settings.h"

#include <string>
#include <string_view>

namespace quantora {

// A sorted tree or list can neither be scrolled by a drag nor rearranged.
inline constexpr int kSortedTreeScrollHint = 0;
inline constexpr int kSortedListScrollHint = 1;
inline constexpr int kSortedTreeMoveHint = 2;
inline constexpr int kSortedListMoveHint = 3;
inline constexpr int kDecimalSepHint = 5;

// The text of hint index; lines separated by "\n". Hint 5 names the
// platform's decimal separator ("dot" or "comma"). Empty for an unknown index.
std::string hintText(int index, std::string_view decimalSepName);

// Whether hint index is to be shown (its switch is non-zero).
bool hintWanted(const ConverterSettings& settings, int index);

// The window's check box: a ticked box switches the hint off, an empty one on.
void setHintSwitch(ConverterSettings& settings, int index, bool boxTicked);

}  // namespace quantora
