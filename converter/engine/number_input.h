#pragma once
// Reading what the user types into the convert-from box, and the number-system
// conversions of the Number System quantity.
//
// Texts inside the engine always use "." as decimal point; a typed comma is
// turned into a point (pCommaToDot) before anything reads the number, and a
// result gets the platform's comma (pDotToComma) only when it is shown.

#include <cstdint>
#include <string>
#include <string_view>

namespace quantora {

// The one text a malformed value produces in the convert-into box.
inline constexpr std::string_view kInputError = "Input error";

// The platform's decimal separator as the converter knows it.
struct DecimalSeparator {
    std::int16_t pnDecimalSep = 0;  // 0 dot, 1 comma
    std::string psDecimalSepName;   // "dot" or "comma"; the word in the separator hint
    friend bool operator==(const DecimalSeparator&, const DecimalSeparator&) = default;
};

// Decides the separator from the platform's rendering of 1.23 with the
// pattern "0.00" (the window formats the sample; this only reads it). A
// sample holding neither "." nor "," leaves `current` as it is.
DecimalSeparator mCheckNumberLocale(std::string_view formattedSample, const DecimalSeparator& current = {});

// NumericTextValue (the leading-number rule) with a short path for the texts
// a conversion reads most: a plain decimal such as "-0.0254" or "1.5e-3" is
// read in one step. Gives NumericTextValue's value for every text.
double LeadingNumber(std::string_view text);

// Every "," becomes "."; a text that is blank after trimming is returned as it is.
std::string pCommaToDot(std::string_view text);

// Every "." becomes "," on a comma platform; otherwise, or for a blank text,
// the text is returned as it is. Only for text that is about to be shown.
std::string pDotToComma(std::string_view text, std::int16_t pnDecimalSep);

// 1 when the trimmed text is not empty and holds the separator the platform
// does not use: the caller shows the decimal-separator hint (hint 5). 0 otherwise.
std::int16_t pCheckDecimalSep(std::string_view text, std::int16_t pnDecimalSep);

// 0 when the typed text (already with "." as decimal point) may be converted,
// 1 when the convert-into box must show "Input error". A text still being
// typed ("-", "1e", "2.5E-") is accepted; the conversion reads its leading number.
std::int16_t pConvValCheck(std::string_view text);

// The number-system conversion of the trimmed typed text from the base named
// by fromRate into the base named by intoRate ("2", "8", "10" or "16").
// Same base, or a rate that names none of the four: empty text.
std::string pFormatNumber(std::string_view input, std::string_view fromRate, std::string_view intoRate);

// Base helpers; each returns "Input error" for text it cannot take.
std::string pFmtBinToDec(std::string_view text);  // at most 16 binary digits
std::string pFmtOctToDec(std::string_view text);  // at most 11 octal digits, signed 32-bit result
std::string pFmtHexToDec(std::string_view text);  // at most 8 hexadecimal digits, up to 4294967295
std::string pFmtDecToBin(std::string_view text);  // below 65536; always 16 digits
std::string pFmtDecToOct(std::string_view text);  // signed 32-bit range
std::string pFmtDecToHex(std::string_view text);  // signed 32-bit range, upper-case digits

}  // namespace quantora
