#include "common/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace common {
namespace {

bool isSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

constexpr long long kExponentCap = 1000000000;  // far beyond any double, far from overflow

// Adds one exponent digit, saturating: a long run of digits only needs to stay huge.
void addExponentDigit(long long& exponent, char c) {
    if (exponent < kExponentCap)
        exponent = exponent * 10 + (c - '0');
}

// The value of [-]digits x 10^(exponent - fractionDigits), correctly rounded.
// Leading and trailing zeros are dropped and the rest handed to from_chars as
// one digit before the point, so the exponent passed is the decimal magnitude:
// it alone tells overflow from underflow, however many digits the text has.
double decimalValue(bool negative, std::string_view digits, std::size_t fractionDigits, long long exponent) {
    const double zero = negative ? -0.0 : 0.0;
    const double infinite =
        negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return zero;
    const std::size_t last = digits.find_last_not_of('0');
    // Decimal exponent of the first significant digit.
    const long long magnitude =
        static_cast<long long>(digits.size() - fractionDigits) - static_cast<long long>(first) - 1 + exponent;
    if (magnitude > 400)
        return infinite;
    if (magnitude < -400)
        return zero;
    std::string number;
    number.reserve(last - first + 16);
    if (negative)
        number += '-';
    number += digits[first];
    if (last > first) {
        number += '.';
        number.append(digits.substr(first + 1, last - first));
    }
    number += 'e';
    number += std::to_string(magnitude);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        return magnitude >= 0 ? infinite : zero;
    return value;
}

// "&H" / "&O" integers; the digits after the prefix, blanks skipped.
double radixValue(std::string_view text, std::size_t pos, int radix) {
    double value = 0.0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isSkippedBlank(c))
            continue;
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

}  // namespace

double numericTextValue(std::string_view text) {
    // Collect the significant characters, skipping blanks wherever they stand.
    std::size_t pos = 0;
    auto skip = [&] {
        while (pos < text.size() && isSkippedBlank(text[pos]))
            ++pos;
    };
    skip();
    if (pos < text.size() && text[pos] == '&') {
        // Blanks between "&" and the letter are skipped too.
        std::size_t letter = pos + 1;
        while (letter < text.size() && isSkippedBlank(text[letter]))
            ++letter;
        const char kind = letter < text.size() ? text[letter] : '\0';
        if (kind == 'H' || kind == 'h')
            return radixValue(text, letter + 1, 16);
        if (kind == 'O' || kind == 'o')
            return radixValue(text, letter + 1, 8);
    }

    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string digits;
    std::size_t fractionDigits = 0;
    bool seenPoint = false;
    for (;; ++pos) {
        skip();
        if (pos >= text.size())
            break;
        const char c = text[pos];
        if (isDigit(c)) {
            digits += c;
            if (seenPoint)
                ++fractionDigits;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return 0.0;

    long long exponent = 0;
    skip();
    if (pos < text.size()) {
        const char c = text[pos];
        if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
            ++pos;
            bool negativeExponent = false;
            skip();
            if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
                negativeExponent = text[pos] == '-';
                ++pos;
            }
            for (;; ++pos) {
                skip();
                if (pos >= text.size() || !isDigit(text[pos]))
                    break;
                addExponentDigit(exponent, text[pos]);
            }
            if (negativeExponent)
                exponent = -exponent;
        }
    }
    return decimalValue(negative, digits, fractionDigits, exponent);
}

std::optional<double> strictDecimalValue(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);

    std::size_t pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) {
        negative = t[pos] == '-';
        ++pos;
    }
    std::string digits;
    std::size_t fractionDigits = 0;
    bool seenPoint = false;
    for (; pos < t.size(); ++pos) {
        const char c = t[pos];
        if (isDigit(c)) {
            digits += c;
            if (seenPoint)
                ++fractionDigits;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;
    long long exponent = 0;
    if (pos < t.size() && (t[pos] == 'e' || t[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) {
            negativeExponent = t[pos] == '-';
            ++pos;
        }
        const std::size_t digitsStart = pos;
        for (; pos < t.size() && isDigit(t[pos]); ++pos)
            addExponentDigit(exponent, t[pos]);
        if (pos == digitsStart)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != t.size())
        return std::nullopt;
    const double value = decimalValue(negative, digits, fractionDigits, exponent);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> nearestSingle(double value) {
    // The largest single plus half its spacing: from here on rounding gives infinity.
    constexpr double kSingleOverflow = 0x1.ffffffp127;
    if (!std::isfinite(value) || std::fabs(value) >= kSingleOverflow)
        return std::nullopt;
    constexpr float kMax = std::numeric_limits<float>::max();
    if (std::fabs(value) > kMax)
        return value > 0 ? kMax : -kMax;
    return static_cast<float>(value);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
}

namespace {
std::optional<std::int16_t> toInt16(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}
}  // namespace

std::optional<std::int16_t> strictWholeNumber(std::string_view text) {
    const auto value = strictDecimalValue(text);
    if (!value)
        return std::nullopt;
    return toInt16(*value);
}

std::optional<std::int16_t> lenientWholeNumber(std::string_view text) {
    return toInt16(numericTextValue(text));
}

std::optional<long long> strictIntegerValue(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty() || t.front() == '+' || (t.front() == '-' && text.find('+') != std::string_view::npos)) {
        return std::nullopt;
    }
    long long value = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || ptr != t.data() + t.size())
        return std::nullopt;
    return value;
}

}  // namespace common
