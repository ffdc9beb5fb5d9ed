#pragma once
// Reading what the user types into the convert-from box, and the number-system
// conversions of the Number System quantity.
//
// Texts inside the engine always use "." as decimal point; a typed comma is
// turned into a point (commaToDot) before anything reads the number, and a
// result gets the platform's comma (dotToComma) only when it is shown.

#include "common/decimal_separator.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quantora {

// The one text a malformed value produces in the convert-into box.
inline constexpr std::string_view kInputError = "Input error";

// NumericTextValue (the leading-number rule) with a short path for the texts
// a conversion reads most: a plain decimal such as "-0.0254" or "1.5e-3" is
// read in one step. Gives NumericTextValue's value for every text.
double leadingNumber(std::string_view text);

// True when the trimmed text is not empty and holds the separator the platform
// does not use: the caller shows the decimal-separator hint (hint 5) (pCheckDecimalSep).
bool foreignSeparatorUsed(std::string_view text, common::DecimalSeparator separator);

// 0 when the typed text (already with "." as decimal point) may be converted,
// 1 when the convert-into box must show "Input error". A text still being
// typed ("-", "1e", "2.5E-") is accepted; the conversion reads its leading number (pConvValCheck).
std::int16_t valueRejected(std::string_view text);

// The number-system conversion of the trimmed typed text from the base named
// by fromRate into the base named by intoRate ("2", "8", "10" or "16").
// Same base, or a rate that names none of the four: empty text (pFormatNumber).
std::string convertNumberSystem(std::string_view input, std::string_view fromRate, std::string_view intoRate);

// Base helpers; each returns "Input error" for text it cannot take.
std::string binToDec(std::string_view text);  // at most 16 binary digits (pFmtBinToDec)
std::string octToDec(std::string_view text);  // at most 11 octal digits, signed 32-bit result (pFmtOctToDec)
std::string hexToDec(std::string_view text);  // at most 8 hexadecimal digits, up to 4294967295 (pFmtHexToDec)
std::string decToBin(std::string_view text);  // below 65536; always 16 digits (pFmtDecToBin)
std::string decToOct(std::string_view text);  // signed 32-bit range (pFmtDecToOct)
std::string decToHex(std::string_view text);  // signed 32-bit range, upper-case digits (pFmtDecToHex)

}  // namespace quantora
