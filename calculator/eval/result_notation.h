#pragma once
// Result notation: the evaluated number written as the result box shows it.
// Every text here uses "." as decimal point; the window turns it into "," at
// the last step when the platform's separator is a comma.

#include "common/decimal_separator.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallix {

// The options the notation depends on (defaults as on a first run).
struct NotationOptions {
    int digits = 8;    // significant figures of regular and scientific results, 6 to 15
    int integer = 0;   // 1: integer notation
    int notation = 0;  // 0 regular, 1 scientific (when integer is not 1)
};

// Picks the notation: magnitudes up to 1000000 and from 0.000001 (any small
// magnitude in integer notation) use the chosen one, all others scientific.
std::string formatResult(double value, const NotationOptions& options);

// One digit, ".", digits-1 decimals, "E", sign, at least two exponent digits.
std::string scientificText(double value, int digits);
// Digits significant figures in fixed form; scientific when the integer part
// needs more. A final "." is dropped.
std::string regularText(double value, int digits);
// Rounded to the nearest integer, halves away from zero.
std::string integerText(double value);

// Trailing zeros of the mantissa removed, then a trailing "." (1.5000000E+05
// gives 1.5E+05, 3.0000000 gives 3). A text without "." is returned as it is (mRemoveZeros).
std::string removeZeros(std::string_view s);

// The platform's numeric-text test: one number with blanks around it; with
// a comma platform "," is accepted as the decimal point too.
bool isNumericText(std::string_view text, common::DecimalSeparator separator);

// Send result: the text inserted into the input for a numeric result box text
// (blanks trimmed, zeros removed); none for a message.
std::optional<std::string> sendResultText(std::string_view resultText, common::DecimalSeparator separator);

}  // namespace tallix
