// Numbers as text. For any bit pattern of a double: the 15-digit decimal
// form (made by the shortest-digits fast path where it can) equals exact
// rounding to 15 significant digits; the plain number text reads back as
// that rounding; a pattern never gives empty text for a finite number when
// it shows an integer digit, and its text reads back within half a unit of
// its last digit; the fixed and scientific shortcuts equal their patterns;
// the result notations of both programs never give empty text and read back
// within their digits (one digit looser: both find the exponent of the value
// rounded to three digits, so 9.9996 may show four decimals at six digits).
//
// Input: eight bytes of a double, then bytes that choose a pattern and options.

#include "calculator/eval/result_notation.h"
#include "common/number_format.h"
#include "common/numeric_text.h"
#include "converter/engine/result_format.h"
#include "fuzz_support.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string shown(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// The value rounded exactly to 15 significant digits, in the C library's
// scientific form ("d.dddddddddddddde+XX").
std::string exactFifteenDigits(double magnitude) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    (void)ec;
    return std::string(buffer, end);
}

void checkDecimalForm(double value) {
    const common::DecimalDigits form = common::decimalDigitsOf(value);
    FUZZ_CHECK(form.negative == std::signbit(value), "the sign of " + shown(value) + " is lost");
    if (value == 0) {
        FUZZ_CHECK(form.count == 0, "zero has digits");
        return;
    }
    const std::string exact = exactFifteenDigits(std::fabs(value));
    std::string digits = exact.substr(0, 1) + exact.substr(2, 14);
    digits.erase(digits.find_last_not_of('0') + 1);
    const int pointPos = std::atoi(exact.c_str() + exact.find('e') + 1) + 1;
    const std::string got(form.digits, static_cast<std::size_t>(std::clamp(form.count, 0, 24)));
    FUZZ_CHECK(got == digits && form.pointPos == pointPos,
               shown(value) + " has the 15-digit form 0." + got + "E" + std::to_string(form.pointPos) +
                   ", exact rounding gives 0." + digits + "E" + std::to_string(pointPos));
}

void checkPlainText(double value) {
    const std::string text = common::plainNumberText(value);
    FUZZ_CHECK(text.size() >= 2 && text[0] == (std::signbit(value) && value != 0 ? '-' : ' '),
               "plain text of " + shown(value) + " is " + fuzz::escaped(text));
    int significant = 0;
    bool leading = true;
    for (const char c : text.substr(0, text.find('E'))) {
        leading = leading && (c == '0' || c == '.' || c == ' ' || c == '-');
        significant += !leading && c >= '0' && c <= '9';
    }
    FUZZ_CHECK(significant <= 15, "plain text of " + shown(value) + " has too many digits: " + text);
    FUZZ_CHECK(text == " 0" || text[1] != '0',
               "plain text of " + shown(value) + " begins with a zero: " + text);
    const double read = common::numericTextValue(text);
    const double want =
        value == 0 ? 0
                   : std::copysign(std::strtod(exactFifteenDigits(std::fabs(value)).c_str(), nullptr), value);
    FUZZ_CHECK(read == want, "plain text of " + shown(value) + " is " + text + ", which reads as " +
                                 shown(read) + ", not " + shown(want));
}

// |read - value| within half a unit of the last shown digit (unit), plus the
// 15-digit rounding before it and the rounding of the read.
void checkReadBack(double value, const std::string& text, double unit, const std::string& what) {
    FUZZ_CHECK(!text.empty(), what + " of " + shown(value) + " is empty");
    const double read = common::numericTextValue(text);
    if (std::isinf(read))
        return;  // the rounded text of a value at the top of the range
    const double size = std::max(std::fabs(value), std::fabs(read));
    const double allowed =
        (0.5 * unit + size * 5.3e-15) * (1 + 1e-9) + std::numeric_limits<double>::denorm_min();
    FUZZ_CHECK(std::fabs(read - value) <= allowed,
               what + " of " + shown(value) + " is " + text + ", which reads as " + shown(read));
    FUZZ_CHECK(text[0] != '-' || read != 0, what + " of " + shown(value) + " is a negative zero: " + text);
}

// A pattern of "#" and "0" integer places, decimals and an exponent.
struct PatternChoice {
    std::string text;
    int intMin = 0;
    int intPlaces = 0;
    int decimals = 0;
    bool scientific = false;
};

PatternChoice choosePattern(fuzz::Input& input) {
    const std::uint8_t shape = input.byte();
    const std::uint8_t decimalsByte = input.byte();
    PatternChoice p;
    const int hashes = shape & 3;
    p.intMin = shape >> 2 & 3;
    p.intPlaces = hashes + p.intMin;
    p.text = std::string(static_cast<std::size_t>(hashes), '#') +
             std::string(static_cast<std::size_t>(p.intMin), '0');
    // Mostly a few decimals, sometimes hundreds (tiny values in fixed form).
    p.decimals = decimalsByte < 200 ? decimalsByte % 24 : (decimalsByte - 200) * 6;
    if ((shape & 0x10) != 0 || p.decimals > 0) {
        const int optional = (shape & 0x20) != 0 ? std::min(p.decimals, 2) : 0;
        p.text += "." + std::string(static_cast<std::size_t>(p.decimals - optional), '0') +
                  std::string(static_cast<std::size_t>(optional), '#');
    }
    if ((shape & 0x40) != 0) {
        p.scientific = true;
        p.text += (shape & 0x80) != 0 ? "E+" : "E-";
        p.text += std::string(static_cast<std::size_t>(1 + decimalsByte % 3), '0');
    }
    return p;
}

void checkPattern(double value, const PatternChoice& p) {
    const std::string text = common::formatPattern(value, p.text);
    const std::string what = "pattern " + p.text;
    if (p.scientific) {
        const std::size_t e = text.find('E');
        FUZZ_CHECK(e != std::string::npos, what + " of " + shown(value) + " has no exponent: " + text);
        const double exponent = std::strtod(text.c_str() + e + 1, nullptr);
        checkReadBack(value, text, std::pow(10.0, exponent - p.decimals), what);
    } else if (p.intMin > 0) {
        checkReadBack(value, text, std::pow(10.0, -p.decimals), what);
    }
}

void checkShortcuts(double value, int decimals) {
    const common::DecimalDigits form = common::decimalDigitsOf(value);
    const std::string zeros(static_cast<std::size_t>(decimals), '0');
    FUZZ_CHECK(common::formatFixedPattern(form, decimals) == common::formatPattern(value, "0." + zeros),
               "the fixed shortcut differs from 0." + zeros + " for " + shown(value));
    FUZZ_CHECK(common::formatScientificPattern(form, decimals) ==
                   common::formatPattern(value, "0." + zeros + "E+00"),
               "the scientific shortcut differs from 0." + zeros + "E+00 for " + shown(value));
}

void checkConverterNotation(double value, fuzz::Input& input) {
    quantora::NotationOptions options;
    const std::uint8_t choice = input.byte();
    options.digits = static_cast<std::int16_t>(1 + choice % 15);
    options.integer = choice >> 4 & 1;
    options.numFormat = choice >> 5 & 1;
    options.sciDigits = static_cast<std::int8_t>(input.byte());
    const std::string text = quantora::formatResult(value, options);
    const double limit = std::pow(10.0, options.sciDigits);
    const bool fixedRange =
        value == 0 || options.sciDigits <= 0 || (1 / limit <= std::fabs(value) && std::fabs(value) <= limit);
    if (fixedRange && options.integer == 1) {
        checkReadBack(value, text, 1, "integer notation");
        return;
    }
    const double size = std::max(std::fabs(value), std::fabs(common::numericTextValue(text)));
    const double magnitude = size == 0 ? 1 : std::pow(10.0, std::floor(std::log10(size)));
    checkReadBack(value, text, magnitude * std::pow(10.0, 2 - options.digits), "converter notation");
}

void checkCalculatorNotation(double value, fuzz::Input& input) {
    tallix::NotationOptions options;
    const std::uint8_t choice = input.byte();
    options.digits = 6 + choice % 10;
    options.integer = choice >> 4 & 1;
    options.notation = choice >> 5 & 1;
    const std::string text = tallix::formatResult(value, options);
    const double a = std::fabs(value);
    if (options.integer == 1 && a <= 1000000.0) {
        checkReadBack(value, text, 1, "calculator integer notation");
        return;
    }
    const double size = std::max(a, std::fabs(common::numericTextValue(text)));
    const double magnitude = size == 0 ? 1 : std::pow(10.0, std::floor(std::log10(size)));
    checkReadBack(value, text, magnitude * std::pow(10.0, 2 - options.digits), "calculator notation");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const double value = input.doubleBits();
    if (!std::isfinite(value)) {
        FUZZ_CHECK(!common::formatPattern(value, "0.00").empty(), "no text for a non-finite value");
        return 0;
    }
    checkDecimalForm(value);
    checkPlainText(value);
    const PatternChoice pattern = choosePattern(input);
    checkPattern(value, pattern);
    checkShortcuts(value, pattern.decimals);
    checkConverterNotation(value, input);
    checkCalculatorNotation(value, input);
    return 0;
}
