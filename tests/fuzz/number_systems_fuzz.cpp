// The number systems of the Number System quantity. Every pair of bases
// converts as a plain reading of the rules says (digits of the base, length
// and range limits, decimal text in between), and a number typed in base B,
// converted and converted back, gives its own digits.
//
// Input: the typed text.

#include "converter/engine/number_input.h"
#include "fuzz_support.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

using namespace quantora;

namespace {

constexpr std::array<int, 4> kBases{2, 8, 10, 16};
constexpr std::uint64_t kHuge = std::uint64_t{1} << 62;
constexpr std::uint64_t kLongMax = 2147483647;

int digitIn(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

// The value of a non-empty text of digits of the base; kHuge stands for
// anything larger.
std::optional<std::uint64_t> valueIn(std::string_view text, int base) {
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = digitIn(c, base);
        if (digit < 0)
            return std::nullopt;
        const auto b = static_cast<std::uint64_t>(base);
        value = value > (kHuge - static_cast<std::uint64_t>(digit)) / b ? kHuge : value * b + digit;
    }
    return value;
}

std::string digitsIn(std::uint64_t value, int base, std::size_t width = 1) {
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[value % static_cast<std::uint64_t>(base)]);
        value /= static_cast<std::uint64_t>(base);
    } while (value > 0);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

// The rules read plainly: typed digits become decimal text, decimal text
// becomes the other base.
std::string expected(std::string_view input, int from, int into) {
    const std::string error(kInputError);
    std::string decimal(input);
    if (from != 10) {
        static constexpr std::size_t kMaxLength[17] = {0, 0, 16, 0, 0, 0, 0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 8};
        const std::optional<std::uint64_t> value = valueIn(input, from);
        if (!value || input.size() > kMaxLength[from] || (from == 8 && *value > kLongMax))
            return error;
        decimal = digitsIn(*value, 10);
    }
    if (into == 10)
        return decimal;
    const std::optional<std::uint64_t> value = valueIn(decimal, 10);
    if (!value)
        return error;
    if (into == 2)
        return *value < 65536 ? digitsIn(*value, 2, 16) : error;
    return *value <= kLongMax ? digitsIn(*value, into) : error;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    for (const int from : kBases) {
        for (const int into : kBases) {
            const std::string fromRate = std::to_string(from);
            const std::string intoRate = " " + std::to_string(into) + "\t";  // rates are read trimmed
            const std::string converted = convertNumberSystem(typed, fromRate, intoRate);
            const std::string want = from == into ? std::string() : expected(typed, from, into);
            FUZZ_CHECK(converted == want, fuzz::escaped(typed) + " from base " + fromRate + " into base " +
                                              intoRate + " gives " + fuzz::escaped(converted) + ", not " +
                                              fuzz::escaped(want));
            if (from == into || converted == kInputError)
                continue;
            // And back: the typed number in its own base's digits.
            const std::string back = convertNumberSystem(converted, intoRate, fromRate);
            if (back == kInputError)
                continue;
            const std::uint64_t value = *valueIn(typed, from);
            const std::string canonical = digitsIn(value, from, from == 2 ? 16 : 1);
            FUZZ_CHECK(back == canonical, fuzz::escaped(typed) + " in base " + fromRate + " into base " +
                                              intoRate + " and back gives " + fuzz::escaped(back) + ", not " +
                                              fuzz::escaped(canonical));
        }
    }
    FUZZ_CHECK(convertNumberSystem(typed, "10", "3").empty(), "a rate that names no base converted");
    return 0;
}
