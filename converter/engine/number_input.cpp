#include "converter/engine/number_input.h"

#include "common/numeric_text.h"
#include "common/text_rules.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quantora {
namespace {

constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// An empty text holds no number in any base.
bool allOf(std::string_view text, bool (*accept)(char)) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (!accept(c))
            return false;
    }
    return true;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A decimal digit text as a signed 32-bit value; no value beyond 2147483647.
bool decimalToLong(std::string_view text, std::int64_t& value) {
    if (!allOf(text, isDecimalDigit))
        return false;
    value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > kLongMax)
            return false;
    }
    return true;
}

std::string inRadix(std::int64_t value, int radix) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, radix);
    (void)ec;
    return common::toUpperAscii(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

// Case-insensitive for ASCII letters; the suffix is lower case.
bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
        if (c != suffix[i])
            return false;
    }
    return true;
}

}  // namespace

double leadingNumber(std::string_view text) {
    // Short path: optional "-", digits with at most one ".", at least one
    // digit, an optional exponent "e"/"E" with optional sign and one to three
    // digits, nothing else. Any other text takes the full rule.
    const char* const first = text.data();
    const char* const last = first + text.size();
    const char* p = first;
    if (p != last && *p == '-')
        ++p;
    int digits = 0;
    bool point = false;
    for (; p != last; ++p) {
        if (isDecimalDigit(*p)) {
            ++digits;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    bool plain = digits > 0;
    if (plain && p != last) {
        plain = *p == 'e' || *p == 'E';
        ++p;
        if (p != last && (*p == '-' || *p == '+'))
            ++p;
        const char* exponentStart = p;
        while (p != last && isDecimalDigit(*p))
            ++p;
        plain = plain && p == last && p - exponentStart >= 1 && p - exponentStart <= 3;
    }
    if (plain) {
        double value = 0;
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec == std::errc() && end == last)
            return value;
    }
    return common::numericTextValue(text);
}

bool foreignSeparatorUsed(std::string_view text, common::DecimalSeparator separator) {
    const std::string_view trimmed = common::trimBlanks(text);
    const char foreign = separator == common::DecimalSeparator::Dot ? ',' : '.';
    return !trimmed.empty() && trimmed.find(foreign) != std::string_view::npos;
}

std::int16_t valueRejected(std::string_view text) {
    if (text.empty())
        return 0;
    if (text.find_first_of(" \t") != std::string_view::npos)
        return 1;

    // A value still being typed may end in an exponent stub; what precedes the
    // stub must itself be a whole number, so "-12abc" or "e" alone are refused
    // instead of converting whatever leading number they hold.
    std::string_view number = text;
    bool stub = false;
    for (std::string_view ending : {"e+", "e-", "e"}) {
        if (endsWithNoCase(number, ending)) {
            number.remove_suffix(ending.size());
            stub = true;
            break;
        }
    }
    if (!stub && (number == "-" || number == "+"))
        return 0;
    return common::strictDecimalValue(number).has_value() ? 0 : 1;
}

std::string binToDec(std::string_view text) {
    if (text.size() > 16)
        return std::string(kInputError);
    if (!allOf(text, [](char c) { return c == '0' || c == '1'; }))
        return std::string(kInputError);
    std::int64_t value = 0;
    for (char c : text)
        value = value * 2 + (c - '0');
    return std::to_string(value);
}

std::string octToDec(std::string_view text) {
    if (text.size() > 11)
        return std::string(kInputError);
    if (!allOf(text, [](char c) { return c >= '0' && c <= '7'; }))
        return std::string(kInputError);
    // Digits accumulate from the right; every term is non-negative, so a total
    // that passes the signed 32-bit limit at any step is an overflow.
    std::int64_t value = 0;
    std::int64_t power = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        value += (*it - '0') * power;
        if (value > kLongMax)
            return std::string(kInputError);
        power *= 8;
    }
    return std::to_string(value);
}

std::string hexToDec(std::string_view text) {
    if (text.size() > 8)
        return std::string(kInputError);
    if (!allOf(text, [](char c) { return hexDigitValue(c) >= 0; }))
        return std::string(kInputError);
    std::int64_t value = 0;  // eight digits stay below 2^32: exact
    for (char c : text)
        value = value * 16 + hexDigitValue(c);
    return std::to_string(value);
}

std::string decToBin(std::string_view text) {
    if (!allOf(text, isDecimalDigit))
        return std::string(kInputError);
    const double value = std::nearbyint(std::fabs(common::numericTextValue(text)));
    if (!(value < 65536.0))
        return std::string(kInputError);
    const auto bits = static_cast<unsigned>(value);
    std::string binary(16, '0');
    for (int position = 0; position < 16; ++position) {
        if (bits & (1u << (15 - position)))
            binary[static_cast<std::size_t>(position)] = '1';
    }
    return binary;
}

std::string decToOct(std::string_view text) {
    std::int64_t value = 0;
    if (!decimalToLong(text, value))
        return std::string(kInputError);
    return inRadix(value, 8);
}

std::string decToHex(std::string_view text) {
    std::int64_t value = 0;
    if (!decimalToLong(text, value))
        return std::string(kInputError);
    return inRadix(value, 16);
}

std::string convertNumberSystem(std::string_view input, std::string_view fromRate,
                                std::string_view intoRate) {
    auto baseOf = [](std::string_view rate) {
        const std::string_view r = common::trimBlanks(rate);
        if (r == "2")
            return 2;
        if (r == "8")
            return 8;
        if (r == "10")
            return 10;
        if (r == "16")
            return 16;
        return 0;
    };
    const int from = baseOf(fromRate);
    const int into = baseOf(intoRate);
    if (from == 0 || into == 0 || from == into)
        return {};

    // Every conversion goes through decimal text; an "Input error" from the
    // first step is not a decimal text, so the second step refuses it too.
    std::string decimal;
    switch (from) {
        case 2:
            decimal = binToDec(input);
            break;
        case 8:
            decimal = octToDec(input);
            break;
        case 16:
            decimal = hexToDec(input);
            break;
        default:
            decimal = std::string(input);
            break;
    }
    switch (into) {
        case 2:
            return decToBin(decimal);
        case 8:
            return decToOct(decimal);
        case 16:
            return decToHex(decimal);
        default:
            return decimal;
    }
}

}  // namespace quantora
