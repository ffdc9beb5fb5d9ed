#include "common/number_format.h"
#include "common/numeric_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct TextToNumber {
    const char* name;
    const char* text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const TextToNumber& c) {
    return out << '"' << c.text << '"';
}

class NumericTextValueTest : public testing::TestWithParam<TextToNumber> {};

TEST_P(NumericTextValueTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(common::numericTextValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NumericTextValueTest,
    testing::Values(TextToNumber{"Empty", "", 0}, TextToNumber{"NoNumber", "abc", 0},
                    TextToNumber{"BlanksInside", " - 1 2", -12}, TextToNumber{"TabAndLineFeed", "\t1\n5", 15},
                    TextToNumber{"TrailingText", "12abc", 12}, TextToNumber{"SecondPointEnds", "1.2.3", 1.2},
                    TextToNumber{"LeadingPoint", "-.5", -0.5}, TextToNumber{"ExponentD", "1d3", 1000},
                    TextToNumber{"ExponentBlank", "2 E -2", 0.02}, TextToNumber{"ExponentStub", "1e", 1},
                    TextToNumber{"ExponentSignStub", "1E+", 1}, TextToNumber{"PlusSign", "+7", 7},
                    TextToNumber{"Hexadecimal", "&HFF", 255}, TextToNumber{"HexLowerCase", "&hff", 255},
                    TextToNumber{"Octal", "&O17", 15}, TextToNumber{"OctalStopsAtEight", "&O178", 15},
                    TextToNumber{"AmpersandAlone", "&", 0}, TextToNumber{"CommaEnds", "2,5", 2},
                    TextToNumber{"LongExponentZeros", "1e0000002", 100},
                    TextToNumber{"BlanksInRadixPrefix", "& H 1F", 31}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumericTextValue, OverflowIsInfiniteAndUnderflowIsZero) {
    EXPECT_EQ(common::numericTextValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(common::numericTextValue("-1e99999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(common::numericTextValue("1e-400"), 0.0);
}

// Overflow and underflow follow the magnitude of all the digits, and the
// digits are rounded once, correctly, however many there are.
TEST(NumericTextValue, LongDigitRunsKeepTheirMagnitude) {
    const std::string tiny = "0." + std::string(323, '0') + "10";  // about 1E-325
    EXPECT_EQ(common::numericTextValue(tiny), 0.0);
    EXPECT_FALSE(std::signbit(common::numericTextValue(tiny)));
    EXPECT_EQ(common::strictDecimalValue(tiny), 0.0);
    const std::string huge = "1" + std::string(400, '0') + "e-10";  // about 1E390
    EXPECT_EQ(common::numericTextValue(huge), std::numeric_limits<double>::infinity());
    EXPECT_FALSE(common::strictDecimalValue(huge).has_value());
    // Shifted back into range by the exponent.
    EXPECT_EQ(common::numericTextValue("0." + std::string(400, '0') + "25e402"), 25.0);
    EXPECT_EQ(common::numericTextValue("-25" + std::string(400, '0') + "e-401"), -2.5);
    EXPECT_EQ(common::numericTextValue("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    // 2^53 + 1 lies halfway between two doubles: the digits far behind decide.
    EXPECT_EQ(common::numericTextValue("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(common::numericTextValue("9007199254740993." + std::string(300, '0') + "1"),
              9007199254740994.0);
}

TEST(StrictNumbers, AcceptOnlyAWholeNumberText) {
    for (const char* good : {"1", " -2.5 ", "+3", ".5", "5.", "1e5", "1E-05", "0"}) {
        EXPECT_TRUE(common::strictDecimalValue(good).has_value()) << good;
    }
    for (const char* bad :
         {"", " ", "-", ".", "1e", "1e+", "1.2.3", "12 34", "1,5", "&HFF", "1d3", "abc", "1e400"}) {
        EXPECT_FALSE(common::strictDecimalValue(bad).has_value()) << bad;
    }
}

TEST(StrictNumbers, WholeNumbersRoundHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(common::strictWholeNumber("2.5"), 2);
    EXPECT_EQ(common::strictWholeNumber("3.5"), 4);
    EXPECT_EQ(common::strictWholeNumber("-2.5"), -2);
    EXPECT_EQ(common::strictWholeNumber(" 12 "), 12);
    EXPECT_EQ(common::strictWholeNumber("-32768"), -32768);
    EXPECT_FALSE(common::strictWholeNumber("32767.5").has_value());
    EXPECT_FALSE(common::strictWholeNumber("").has_value());
    EXPECT_FALSE(common::strictWholeNumber("1x").has_value());
    EXPECT_EQ(common::lenientWholeNumber("1x"), 1);
    EXPECT_EQ(common::lenientWholeNumber(""), 0);
    EXPECT_FALSE(common::lenientWholeNumber("40000").has_value());
}

TEST(StrictNumbers, IntegerTexts) {
    EXPECT_EQ(common::strictIntegerValue(" 42 "), 42);
    EXPECT_EQ(common::strictIntegerValue("-7"), -7);
    EXPECT_FALSE(common::strictIntegerValue("4.2").has_value());
    EXPECT_FALSE(common::strictIntegerValue("+-4").has_value());
    EXPECT_FALSE(common::strictIntegerValue("").has_value());
}

struct NumberToText {
    const char* name;
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const NumberToText& c) {
    return out << c.text;
}

class PlainNumberTextTest : public testing::TestWithParam<NumberToText> {};

TEST_P(PlainNumberTextTest, WritesFifteenDigitsWithLeadingBlank) {
    EXPECT_EQ(common::plainNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PlainNumberTextTest,
    testing::Values(NumberToText{"Inch", 0.0254, " .0254"},
                    NumberToText{"FiveNinths", 5.0 / 9.0, " .555555555555556"},
                    NumberToText{"Knot", 1852.0 / 3600.0, " .514444444444444"},
                    NumberToText{"Degree", 3.14159265358979323846 / 180.0, " 1.74532925199433E-02"},
                    NumberToText{"Btu", 4414.353687362081 / 4.1868, " 1054.35026448889"},
                    NumberToText{"Negative", -2, "-2"}, NumberToText{"Large", 1e15, " 1E+15"},
                    NumberToText{"FifteenDigits", 1e14, " 100000000000000"}, NumberToText{"Zero", 0, " 0"},
                    NumberToText{"Tiny", 1.5e-300, " 1.5E-300"}, NumberToText{"Fraction", -0.5, "-.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlainNumberText, SingleValuesUseSevenDigits) {
    EXPECT_EQ(common::plainSingleText(15.0F), " 15");
    EXPECT_EQ(common::plainSingleText(14.4F), " 14.4");
    EXPECT_EQ(common::plainNumberTrimmed(9600), "9600");
}

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const PatternCase& c) {
    return out << c.text << " by " << c.pattern;
}

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, RoundsHalvesAwayFromZeroOnDecimalDigits) {
    EXPECT_EQ(common::formatPattern(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternTest,
    testing::Values(
        PatternCase{"EighthToHundredths", 0.125, "0.00", "0.13"},
        // Binary 1.005 lies below the half; the decimal form a person sees does not.
        PatternCase{"DecimalHalfNotBinary", 1.005, "0.00", "1.01"},
        PatternCase{"CarryIntoNewDigit", 9.995, "0.00", "10.00"}, PatternCase{"IntegerHalf", 2.5, "0.", "3."},
        PatternCase{"NegativeInteger", -7.4, "0.", "-7."}, PatternCase{"NegativeHalf", -2.5, "0.", "-3."},
        PatternCase{"RoundsToZeroHasNoSign", -0.001, "0.00", "0.00"},
        PatternCase{"ZeroFixed", 0, "0.00000", "0.00000"}, PatternCase{"OptionalDigits", 0.5, "#.##", ".5"},
        PatternCase{"TinyFixed", 1e-20, "0.0000000000000000000000000", "0.0000000000000000000100000"},
        PatternCase{"Scientific", 1234567, "0.00000E+00", "1.23457E+06"},
        PatternCase{"ScientificNegative", -0.000123, "0.00E+00", "-1.23E-04"},
        PatternCase{"ThreeDigitExponent", 1e100, "0.00000E+00", "1.00000E+100"},
        PatternCase{"ScientificCarry", 9.9999999, "0.00E+00", "1.00E+01"},
        PatternCase{"ScientificZero", 0, "0.00000E+00", "0.00000E+00"},
        PatternCase{"ExponentOfThreeDigits", 123, "#.##E+000", "1.23E+002"},
        PatternCase{"SmallExponentOfThreeDigits", 0.00123, "#.##E+000", "1.23E-003"},
        PatternCase{"RoundingMovesExponent", 999.6, "#.##E+000", "1.E+003"},
        PatternCase{"MinusOnlyExponent", 1500, "0.0E-00", "1.5E03"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatPattern, NonFiniteValuesAreNamed) {
    EXPECT_EQ(common::formatPattern(std::numeric_limits<double>::infinity(), "0.00"), "inf");
    EXPECT_EQ(common::formatPattern(std::nan(""), "0.00"), "nan");
}

}  // namespace

namespace {

// The decimal form every pattern starts from must be the value correctly
// rounded to 15 significant digits, over every double: random bit patterns,
// with a share of subnormal ones, of short binary values (exact decimal
// halves) and of widened singles.
TEST(DecimalDigits, MatchTheCorrectlyRoundedFifteenDigitForm) {
    std::mt19937_64 random(20261207);
    constexpr std::uint64_t kExponentBits = 0x7FF0000000000000ULL;
    for (int i = 0; i < 400000; ++i) {
        std::uint64_t bits = random();
        if (i % 8 == 1)
            bits &= ~kExponentBits;  // subnormal
        if (i % 4 == 0)
            bits &= ~((std::uint64_t{1} << 30) - 1);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 7 == 0)
            value = static_cast<float>(value);
        if (value == 0 || !std::isfinite(value))
            continue;
        char buffer[40];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
        std::string expected(buffer, result.ptr);
        const auto e = expected.find('e');
        const std::size_t first = expected.front() == '-' ? 1 : 0;
        std::string digits = expected.substr(first, 1) + expected.substr(first + 2, e - first - 2);
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        const common::DecimalDigits form = common::decimalDigitsOf(value);
        ASSERT_EQ(std::string(form.digits, static_cast<std::size_t>(form.count)), digits) << expected;
        ASSERT_EQ(form.pointPos - 1, std::stoi(expected.substr(e + 1))) << expected;
        ASSERT_EQ(form.negative, value < 0) << expected;
    }
    EXPECT_EQ(common::formatPattern(5e-324, "0.00000E+00"), "4.94066E-324");
    EXPECT_EQ(common::plainNumberText(-4.94065645841247E-324), "-4.94065645841247E-324");
}

TEST(DecimalDigits, ExponentAtThreeDigitsCarriesLikeThePattern) {
    EXPECT_EQ(common::decimalDigitsOf(999.6).exponentAt(3), 3);
    EXPECT_EQ(common::decimalDigitsOf(999.4).exponentAt(3), 2);
    EXPECT_EQ(common::decimalDigitsOf(9.995).exponentAt(3), 1);
    EXPECT_EQ(common::decimalDigitsOf(0.000123456).exponentAt(3), -4);
    EXPECT_EQ(common::decimalDigitsOf(0).exponentAt(3), 0);
}

}  // namespace
