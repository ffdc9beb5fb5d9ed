// Result notation and the send-result text.

#include <gtest/gtest.h>

#include <string>

#include "calculator/eval/result_notation.h"

namespace tallix {
namespace {

struct NotationCase {
    const char* name;
    double value;
    NotationOptions options;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const NotationCase& c) {
    return out << c.text;
}

class NotationCases : public ::testing::TestWithParam<NotationCase> {};

TEST_P(NotationCases, WritesTheResult) {
    const NotationCase& c = GetParam();
    EXPECT_EQ(formatResult(c.value, c.options), c.text);
}

constexpr NotationOptions kRegular8{8, 0, 0};
constexpr NotationOptions kScientific8{8, 0, 1};
constexpr NotationOptions kInteger{8, 1, 0};
constexpr NotationOptions kRegular6{6, 0, 0};
constexpr NotationOptions kRegular15{15, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Table, NotationCases,
    ::testing::Values(NotationCase{"ZeroScientific", 0.0, kRegular8, "0.0000000E+00"},
                      NotationCase{"MillionRegular", 1000000.0, kRegular8, "1000000.0"},
                      NotationCase{"AboveMillionScientific", 1000001.0, kRegular8, "1.0000010E+06"},
                      NotationCase{"MicroRegular", 0.000001, kRegular8, "0.0000010000000"},
                      NotationCase{"BelowMicroScientific", 0.0000009, kRegular8, "9.0000000E-07"},
                      NotationCase{"NegativeZeroHasNoSign", -0.0, kRegular8, "0.0000000E+00"},
                      NotationCase{"NegativeTiny", -0.0000001, kRegular8, "-1.0000000E-07"},
                      NotationCase{"IntegerHalfUp", 2.5, kInteger, "3"},
                      NotationCase{"IntegerTiny", 0.0000001, kInteger, "0"},
                      NotationCase{"IntegerNegativeHalf", -2.5, kInteger, "-3"},
                      NotationCase{"IntegerLargeStillScientific", 1500000.0, kInteger, "1.5000000E+06"},
                      NotationCase{"SixDigitsRounds", 123456.7, kRegular6, "123457"},
                      NotationCase{"SixDigitsTooLong", 1234567.0, kRegular6, "1.23457E+06"},
                      NotationCase{"ScientificChosen", 12345.678, kScientific8, "1.2345678E+04"},
                      NotationCase{"ScientificLarge", 12345678.9, kRegular8, "1.2345679E+07"},
                      NotationCase{"RegularBelowOne", 0.125, kRegular8, "0.12500000"},
                      NotationCase{"RegularNegative", -12.5, kRegular8, "-12.500000"},
                      NotationCase{"RegularPi", 3.14159265358979, kRegular8, "3.1415927"},
                      NotationCase{"RegularFifteen", 3.14159265358979, kRegular15, "3.14159265358979"},
                      NotationCase{"RegularHalfAwayFromZero", 0.125, NotationOptions{6, 0, 0}, "0.125000"},
                      NotationCase{"RegularTwelvePointFive", 12.566370614359, kRegular8, "12.566371"},
                      // The exponent probe "#.##E+000" rounds 999999.99 up to 1E+006: one decimal.
                      NotationCase{"ExponentProbeRoundsUp", 999999.99, kRegular8, "1000000.0"}),
    [](const ::testing::TestParamInfo<NotationCase>& info) { return std::string(info.param.name); });

TEST(RemoveZeros, Examples) {
    EXPECT_EQ(removeZeros("1.5000000E+05"), "1.5E+05");
    EXPECT_EQ(removeZeros("12.50000"), "12.5");
    EXPECT_EQ(removeZeros("3.0000000"), "3");
    EXPECT_EQ(removeZeros("100"), "100");
    EXPECT_EQ(removeZeros("1.0000000e-07"), "1e-07");
    EXPECT_EQ(removeZeros("1,5000000E+05"), "1,5000000E+05");
}

TEST(SendResult, NumbersOnly) {
    using common::DecimalSeparator;
    EXPECT_EQ(sendResultText("1.5000000E+05", DecimalSeparator::Dot), "1.5E+05");
    EXPECT_EQ(sendResultText(" 12.500 ", DecimalSeparator::Dot), "12.5");
    EXPECT_FALSE(sendResultText("Erroneous expression", DecimalSeparator::Dot).has_value());
    EXPECT_FALSE(sendResultText("Too many left bracket(s)", DecimalSeparator::Dot).has_value());
    EXPECT_FALSE(sendResultText("", DecimalSeparator::Dot).has_value());
    // On a comma platform the text goes in unchanged.
    EXPECT_EQ(sendResultText("1,5000000E+05", DecimalSeparator::Comma), "1,5000000E+05");
}

}  // namespace
}  // namespace tallix
