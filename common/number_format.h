#pragma once
// Writing numbers as text.
//
// Both writers start from the value's 15-significant-digit decimal form, so
// what a person sees is rounded on decimal digits (halves away from zero),
// never on the binary value. The output always uses "." as decimal point;
// the window turns it into the platform separator at the last step.

#include <string>
#include <string_view>

namespace common {

// A value's 15-significant-digit decimal form: value = 0.d1d2... x 10^pointPos,
// no digits for zero. Made once, it can be formatted with several patterns.
struct DecimalDigits {
    double value = 0;  // the value it was made from
    bool negative = false;
    int count = 0;     // significant digits, no trailing zeros
    int pointPos = 0;  // digits before the decimal point
    char digits[24] = {};

    char at(int index) const { return index >= 0 && index < count ? digits[index] : '0'; }
    // The decimal exponent of the value rounded (halves away from zero) to the
    // given number of significant digits: 999.6 gives 3 at three digits.
    int exponentAt(int significant) const;
};

DecimalDigits decimalDigitsOf(double value);

// The plain number-to-text conversion: up to 15 significant digits, no zero
// before the point below 1 (" .0254"), a leading blank for non-negative values,
// "-" for negative ones. Exponent form ("E+15", "E-02") when the fixed form
// would need more than 15 digits, leading zeros after the point included.
std::string plainNumberText(double value);

// The same rule for a single-precision value: 7 significant digits.
std::string plainSingleText(float value);

// PlainNumberText without its leading blank: the form settings are written in.
std::string plainNumberTrimmed(double value);

// Pattern formatting. A pattern is an integer part of "0" (digit always shown)
// and "#" (digit shown when significant), an optional "." followed by "0" and
// "#" decimals, and an optional exponent "E+0…"/"E-0…" ("+" shows the sign
// always, "-" only for negative exponents; the zeros give the least number of
// exponent digits). Examples: "0.00", "0.", "0", "0.00000E+00", "#.##E+000".
// Halves are rounded away from zero; a result that rounds to zero has no sign.
// Non-finite values give "inf", "-inf" or "nan".
std::string formatPattern(double value, std::string_view pattern);
std::string formatPattern(const DecimalDigits& digits, std::string_view pattern);

// The two patterns results are written with, without parsing a pattern text:
// "0." followed by `decimals` zeros, and the same followed by "E+00".
std::string formatFixedPattern(const DecimalDigits& digits, int decimals);
std::string formatScientificPattern(const DecimalDigits& digits, int decimals);

}  // namespace common
