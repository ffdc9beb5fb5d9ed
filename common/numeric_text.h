#pragma once
// Reading numbers from text.
//
// Three readers, from lenient to strict:
//   NumericTextValue   - the leading-number rule every text-to-number step uses:
//                        blanks anywhere skipped, the first misfit ends the number,
//                        no number gives 0.
//   StrictDecimalValue - the whole text must be one number (blanks around it only).
//   StrictWholeNumber  - a strict number rounded half to even into 16 bits.
// Only "." is a decimal point here; comma handling belongs to the callers.

#include <cstdint>
#include <optional>
#include <string_view>

namespace common {

// Leading-number rule: optional sign, digits with at most one ".", optional
// exponent ("e", "E", "d" or "D", optional sign and digits). "&H" and "&O"
// introduce hexadecimal and octal integers. Space, tab and line feed are skipped
// wherever they stand. The kept digits are rounded correctly however many
// there are; a magnitude beyond the double range gives +-infinity, one below
// the smallest double gives 0.
double numericTextValue(std::string_view text);

// Strict conversion: blanks around allowed; optional sign; digits with at most
// one "." and at least one digit; optional exponent "e"/"E" with optional sign
// and at least one digit. Anything else, or an empty text, gives no value.
// A finite result is guaranteed.
std::optional<double> strictDecimalValue(std::string_view text);

// The value rounded to the nearest single; no value when it is not finite or
// rounds beyond the single range. A written single's 15-digit text can lie
// just above the largest single and still belongs to it.
std::optional<float> nearestSingle(double value);

// Rounds to the nearest integer, halves to even.
double roundHalfEven(double value);

// A strict number rounded half to even; no value outside -32768..32767.
std::optional<std::int16_t> strictWholeNumber(std::string_view text);

// NumericTextValue rounded half to even; no value outside -32768..32767.
std::optional<std::int16_t> lenientWholeNumber(std::string_view text);

// A strict integer text (blanks around, optional sign, decimal digits only).
std::optional<long long> strictIntegerValue(std::string_view text);

}  // namespace common
