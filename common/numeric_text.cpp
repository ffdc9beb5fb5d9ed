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

// Parses a normalised "[-]digits[.digits][e[-]digits]" text; from_chars keeps
// the result independent of the process locale.
double parseNormalised(const std::string& number) {
    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too large overflows to infinity; too small underflows to zero.
        const bool negative = !number.empty() && number.front() == '-';
        const auto e = number.find('e');
        const bool hugeMagnitude = e == std::string::npos || number[e + 1] != '-';
        if (hugeMagnitude) {
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        }
        return negative ? -0.0 : 0.0;
    }
    (void)ptr;
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
    if (pos + 1 < text.size() && text[pos] == '&') {
        const char kind = text[pos + 1];
        if (kind == 'H' || kind == 'h')
            return radixValue(text, pos + 2, 16);
        if (kind == 'O' || kind == 'o')
            return radixValue(text, pos + 2, 8);
    }

    std::string number;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        if (text[pos] == '-')
            number += '-';
        ++pos;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    std::string mantissa;
    for (;; ++pos) {
        skip();
        if (pos >= text.size())
            break;
        const char c = text[pos];
        if (isDigit(c)) {
            mantissa += c;
            anyDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            mantissa += c;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    number += mantissa;

    skip();
    if (pos < text.size()) {
        const char c = text[pos];
        if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
            ++pos;
            std::string exponent;
            skip();
            if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
                if (text[pos] == '-')
                    exponent += '-';
                ++pos;
            }
            std::string digits;
            for (;; ++pos) {
                skip();
                if (pos >= text.size() || !isDigit(text[pos]))
                    break;
                // Leading zeros add nothing; a long run only needs to stay huge.
                if (digits.empty() && text[pos] == '0')
                    continue;
                if (digits.size() < 6)
                    digits += text[pos];
            }
            number += 'e' + exponent + (digits.empty() ? std::string("0") : digits);
        }
    }
    return parseNormalised(number);
}

std::optional<double> strictDecimalValue(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);

    std::size_t pos = 0;
    std::string number;
    if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) {
        if (t[pos] == '-')
            number += '-';
        ++pos;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (; pos < t.size(); ++pos) {
        const char c = t[pos];
        if (isDigit(c)) {
            anyDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number += c;
    }
    if (!anyDigit)
        return std::nullopt;
    if (pos < t.size() && (t[pos] == 'e' || t[pos] == 'E')) {
        ++pos;
        std::string exponent = "e";
        if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) {
            if (t[pos] == '-')
                exponent += '-';
            ++pos;
        }
        const std::size_t digitsStart = pos;
        while (pos < t.size() && isDigit(t[pos]))
            ++pos;
        if (pos == digitsStart)
            return std::nullopt;
        std::string_view digits = t.substr(digitsStart, pos - digitsStart);
        while (digits.size() > 1 && digits.front() == '0')
            digits.remove_prefix(1);
        if (digits.size() > 6)
            digits = "999999";
        number += exponent;
        number += digits;
    }
    if (pos != t.size())
        return std::nullopt;
    const double value = parseNormalised(number);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
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
