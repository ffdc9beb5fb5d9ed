#include "converter/engine/result_format.h"

#include "common/number_format.h"
#include "common/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace quantora {
namespace {

struct Notation {
    const char* name;
    double value;
    NotationOptions options;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const Notation& c) {
    return out << c.value << " as " << c.expected;
}

NotationOptions withSciDigits(std::int16_t s) {
    return {6, s, 0, 0};
}
NotationOptions withDigits(std::int16_t n) {
    return {n, 6, 0, 0};
}
const NotationOptions kInteger{6, 6, 1, 0};
const NotationOptions kScientific{6, 6, 0, 1};

class EngineResultFormat : public testing::TestWithParam<Notation> {};

TEST_P(EngineResultFormat, WritesTheDigitsAPersonSees) {
    EXPECT_EQ(formatResult(GetParam().value, GetParam().options), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, EngineResultFormat,
    testing::Values(Notation{"SixSignificant", 123.456789, {}, "123.457"},
                    Notation{"SmallKeepsSignificantDigits", 0.000123456, {}, "0.000123456"},
                    Notation{"HundredThousandWithoutPoint", 100000, {}, "100000"},
                    Notation{"ZeroWithDecimals", 0, {}, "0.00000"},
                    Notation{"TrailingZerosStay", 2, {}, "2.00000"},
                    Notation{"MillionHasSevenIntegerDigits", 1e6, {}, "1.00000E+06"},
                    Notation{"BeyondMillionScientific", 1234567, {}, "1.23457E+06"},
                    Notation{"MillionthIsStillFixed", 1e-6, {}, "0.00000100000"},
                    Notation{"BelowMillionthScientific", 9.99e-7, {}, "9.99000E-07"},
                    Notation{"ThreeDigitExponent", 1e100, {}, "1.00000E+100"},
                    Notation{"Negative", -123.456789, {}, "-123.457"},
                    Notation{"NegativeScientific", -1234567, {}, "-1.23457E+06"},
                    // Rounding to three digits carries into the next power:
                    // the exponent belongs to the rounded value.
                    Notation{"CarryIntoScientific", 999999.5, {}, "1.00000E+06"},
                    Notation{"CarryKeepsSixDigits", 99999.95, {}, "100000"},
                    Notation{"HalfAwayFromZero", 0.125, withDigits(2), "0.13"},
                    Notation{"NegativeHalfAwayFromZero", -0.125, withDigits(2), "-0.13"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Settings, EngineResultFormat,
    testing::Values(Notation{"SciDigits4UpperEndFixed", 10000, withSciDigits(4), "10000.0"},
                    Notation{"SciDigits4AboveScientific", 10000.5, withSciDigits(4), "1.00005E+04"},
                    Notation{"SciDigits4LowerEndFixed", 0.0001, withSciDigits(4), "0.000100000"},
                    Notation{"SciDigits4BelowScientific", 0.00009, withSciDigits(4), "9.00000E-05"},
                    Notation{"SciDigits0TinyStaysFixed", 1e-20, withSciDigits(0),
                             "0.0000000000000000000100000"},
                    Notation{"SciDigits0TooManyIntegerDigits", 12345678, withSciDigits(0), "1.23457E+07"},
                    Notation{"SciDigitsNegativeMeansOff", 1e9 + 1, withSciDigits(-1), "1.00000E+09"},
                    Notation{"IntegerRoundsHalfAway", 2.5, kInteger, "3"},
                    Notation{"IntegerNegative", -7.4, kInteger, "-7"},
                    Notation{"IntegerZero", 0, kInteger, "0"},
                    Notation{"IntegerSmallNegativeHasNoSign", -0.4, kInteger, "0"},
                    Notation{"IntegerOutsideRangeScientific", 1e7, kInteger, "1.00000E+07"},
                    Notation{"ScientificZero", 0, kScientific, "0.00000E+00"},
                    Notation{"ScientificInsideRange", 123.456, kScientific, "1.23456E+02"},
                    Notation{"ScientificNegative", -0.5, kScientific, "-5.00000E-01"},
                    Notation{"TwelveDigits", 1.0 / 3, withDigits(12), "0.333333333333"},
                    Notation{"FourDigits", 2.0 / 3, withDigits(4), "0.6667"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EngineResultFormat, ScientificDigitsAndSign) {
    EXPECT_EQ(formatScientific(1234567, 6), "1.23457E+06");
    EXPECT_EQ(formatScientific(-0.000123, 3), "-1.23E-04");
    EXPECT_EQ(formatScientific(0.00125, 3), "1.25E-03");
    EXPECT_EQ(formatInteger(-2.5), "-3");
}

// The fixed notation's exponent is read from the 15-digit decimal form in
// one step; it must agree with the last four characters of the "#.##E+000"
// form for every value, above all where rounding to three digits carries.
std::string fixedByPatterns(double value, int digits) {
    const std::string exponentForm = common::formatPattern(value, "#.##E+000");
    const int e = static_cast<int>(
        std::lround(common::numericTextValue(exponentForm.substr(exponentForm.size() - 4)) + 0.01));
    if (digits < e + 1)
        return formatScientific(value, digits);
    std::string text =
        common::formatPattern(value, "0." + std::string(static_cast<std::size_t>(digits - e - 1), '0'));
    if (text.back() == '.')
        text.pop_back();
    return text;
}

TEST(EngineResultFormat, FixedNotationAgreesWithTheExponentPattern) {
    std::vector<double> values;
    for (int k = -30; k <= 30; ++k) {
        for (double m : {9.995, 9.9949999999999, 9.99949, 99.95, 999.5, 1.0, 5.0}) {
            const double v = m * std::pow(10.0, k);
            values.insert(values.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300), -v});
        }
    }
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 14);
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (double v : values) {
        for (int digits : {1, 3, 6, 12, 15}) {
            ASSERT_EQ(formatFixed(v, digits), fixedByPatterns(v, digits))
                << v << " with " << digits << " digits";
        }
    }
}

TEST(EngineResultFormat, CarryDecidedOnTheFifteenDigitForm) {
    // 9.9949999999999997 is 9.99500000000000 to fifteen digits: three-digit
    // rounding carries, so only four decimals are shown.
    EXPECT_EQ(formatFixed(std::nextafter(9.995, 0.0), 6), "9.9950");
    EXPECT_EQ(formatFixed(9.99949, 6), "9.9995");
    EXPECT_EQ(formatFixed(9.9949, 6), "9.99490");
    EXPECT_EQ(formatFixed(-999.5, 6), "-999.50");
}

}  // namespace
}  // namespace quantora
