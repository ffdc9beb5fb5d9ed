#pragma once
// Writing a converted value: fixed notation with a number of significant
// digits, scientific notation, or an integer; values far from 1 switch to
// scientific notation. Every digit comes from the shared pattern formatter
// (halves rounded away from zero on the value's 15-digit decimal form), and
// the text always uses "." - the display step turns it into a comma.

#include <cstdint>
#include <string>

namespace quantora {

// The notation settings, passed rather than looked up.
struct NotationOptions {
    std::int16_t digits = 6;     // significant digits
    std::int16_t sciDigits = 6;  // fixed notation only inside 10^-S..10^S; S <= 0: always
    std::int16_t integer = 0;    // 1: integer notation inside the fixed range
    std::int16_t numFormat = 0;  // 0: fixed; other: scientific always
};

// Chooses the notation: scientific outside 10^-SciDigits..10^SciDigits (both
// ends fixed, 0 always fixed), otherwise integer, fixed or scientific as set (pFormatResult).
std::string formatResult(double value, const NotationOptions& options);

// N significant digits, trailing zeros kept ("2.00000"); scientific when the
// value has more integer digits than N (pFormatFixed).
std::string formatFixed(double value, int digits);

// "0." + (N - 1) zeros + "E+00": 1234567 with N = 6 gives "1.23457E+06" (pFormatSci).
std::string formatScientific(double value, int digits);

// Rounded to an integer, halves away from zero: 2.5 gives "3" (pFormatInteger).
std::string formatInteger(double value);

}  // namespace quantora
