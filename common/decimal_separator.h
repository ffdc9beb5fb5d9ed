#pragma once
// The platform's decimal separator and the two text swaps around it. Texts
// inside both programs use "."; a typed comma becomes "." before anything
// reads a number, and a shown result gets "," only on a comma platform.

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// The platform's decimal separator (pnDecimalSep); the values are the stored codes.
enum class DecimalSeparator : std::int16_t { Dot = 0, Comma = 1 };

// Reads the separator from the platform's rendering of a sample number with
// the pattern "0.00" (mCheckNumberLocale). A sample holding neither "." nor
// "," keeps `current`.
DecimalSeparator detectDecimalSeparator(std::string_view formattedSample,
                                        DecimalSeparator current = DecimalSeparator::Dot);

// The word for the separator in hint texts (psDecimalSepName): "dot" or "comma".
std::string_view separatorName(DecimalSeparator separator);

// Every "," becomes "." (pCommaToDot); a text that is blank after trimming is returned as it is.
std::string commaToDot(std::string_view text);

// Every "." becomes "," on a comma platform (pDotToComma); otherwise, or for a
// blank text, the text is returned as it is. Only for text about to be shown.
std::string dotToComma(std::string_view text, DecimalSeparator separator);

}  // namespace common
