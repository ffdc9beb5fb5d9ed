// Reading numbers from text. NumericTextValue agrees with a plain reading of
// its rule: blanks (space, tab, line feed) dropped wherever they stand, then
// "&H"/"&O" integers or sign, digits with at most one ".", an exponent after
// "e", "E", "d" or "D", the digits kept read by the C library's correctly
// rounded conversion. The converter's short path gives the same value; the
// strict readers accept exactly their grammar and agree with it; a value the
// input check accepts converts to a finite number.
//
// Input: the text.

#include "common/numeric_text.h"
#include "converter/engine/number_input.h"
#include "fuzz_support.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int radixDigit(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double reference(std::string_view text) {
    std::string t;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            t += c;
    }
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        const int radix = t[1] == 'H' || t[1] == 'h' ? 16 : 8;
        double value = 0;
        for (std::size_t i = 2; i < t.size() && radixDigit(t[i]) < radix; ++i)
            value = value * radix + radixDigit(t[i]);
        return value;
    }
    std::size_t i = 0;
    std::string number;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        number += t[i++];
    bool point = false;
    bool digits = false;
    for (; i < t.size() && (isDigit(t[i]) || (t[i] == '.' && !point)); ++i) {
        point = point || t[i] == '.';
        digits = digits || isDigit(t[i]);
        number += t[i];
    }
    if (!digits)
        return 0;
    if (i < t.size() && std::string_view("eEdD").find(t[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < t.size() && (t[j] == '-' || t[j] == '+'))
            exponent += t[j++];
        const std::size_t first = j;
        for (; j < t.size() && isDigit(t[j]); ++j)
            exponent += t[j];
        if (j > first)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

// Blanks, sign, digits with at most one "." and at least one digit, an
// optional "e"/"E" exponent with at least one digit, blanks.
bool strictGrammar(std::string_view text, bool integerOnly) {
    std::size_t i = 0;
    auto blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    blanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool point = false;
    bool digits = false;
    for (; i < text.size() && (isDigit(text[i]) || (!integerOnly && text[i] == '.' && !point)); ++i) {
        point = point || text[i] == '.';
        digits = digits || isDigit(text[i]);
    }
    if (!digits)
        return false;
    if (!integerOnly && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        const std::size_t first = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == first)
            return false;
    }
    blanks();
    return i == text.size();
}

bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string shown(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = common::numericTextValue(text);
    const double want = reference(text);
    FUZZ_CHECK(same(value, want), fuzz::escaped(text) + " reads as " + shown(value) + ", not " + shown(want));
    const double quick = quantora::leadingNumber(text);
    FUZZ_CHECK(same(quick, value), "the short path reads " + fuzz::escaped(text) + " as " + shown(quick) +
                                       ", not " + shown(value));

    const std::optional<double> strict = common::strictDecimalValue(text);
    const bool strictShape = strictGrammar(text, false);
    FUZZ_CHECK(strict.has_value() == (strictShape && std::isfinite(value)),
               "the strict reading of " + fuzz::escaped(text) + (strict ? " accepts it" : " refuses it"));
    FUZZ_CHECK(!strict || same(*strict, value), "the strict reading of " + fuzz::escaped(text) + " gives " +
                                                    shown(*strict) + ", not " + shown(value));

    const std::optional<long long> integer = common::strictIntegerValue(text);
    if (strictGrammar(text, true)) {
        errno = 0;
        const long long wantInteger = std::strtoll(std::string(text).c_str(), nullptr, 10);
        const bool fits = errno != ERANGE;
        FUZZ_CHECK(integer.has_value() == fits && (!fits || *integer == wantInteger),
                   "the strict integer reading of " + fuzz::escaped(text) + " is wrong");
    } else {
        FUZZ_CHECK(!integer, "the strict integer reading accepts " + fuzz::escaped(text));
    }

    // A value the convert-from box accepts never converts from an infinite number.
    const bool loneSign = text == "-" || text == "+";
    if (quantora::valueRejected(text) == 0 && !text.empty() && !loneSign) {
        FUZZ_CHECK(std::isfinite(quick), fuzz::escaped(text) + " is accepted but reads as " + shown(quick));
    }
    if (strict && text.find_first_of(" \t") == std::string_view::npos)
        FUZZ_CHECK(quantora::valueRejected(text) == 0, "the number " + fuzz::escaped(text) + " is refused");
    return 0;
}
