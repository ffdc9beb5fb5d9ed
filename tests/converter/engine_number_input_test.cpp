#include "converter/engine/number_input.h"

#include "common/numeric_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quantora {
namespace {

TEST(EngineDecimalSeparator, HintOnlyForTheSeparatorThePlatformDoesNotUse) {
    using common::DecimalSeparator;
    EXPECT_TRUE(foreignSeparatorUsed("2,5", DecimalSeparator::Dot));
    EXPECT_FALSE(foreignSeparatorUsed("2.5", DecimalSeparator::Dot));
    EXPECT_TRUE(foreignSeparatorUsed("1.5", DecimalSeparator::Comma));
    EXPECT_FALSE(foreignSeparatorUsed("1,5", DecimalSeparator::Comma));
    EXPECT_FALSE(foreignSeparatorUsed("   ", DecimalSeparator::Dot));
}

struct ValueCheck {
    const char* name;
    const char* text;
    int expected;  // 0 accepted, 1 "Input error"
};

std::ostream& operator<<(std::ostream& out, const ValueCheck& c) {
    return out << '"' << c.text << '"';
}

class EngineConvValCheck : public testing::TestWithParam<ValueCheck> {};

TEST_P(EngineConvValCheck, AcceptsNumbersAndNumbersBeingTyped) {
    EXPECT_EQ(valueRejected(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EngineConvValCheck,
    testing::Values(ValueCheck{"Empty", "", 0}, ValueCheck{"Plain", "12", 0},
                    ValueCheck{"Negative", "-12", 0}, ValueCheck{"PlusSign", "+.5", 0},
                    ValueCheck{"ExponentStub", "1e", 0}, ValueCheck{"ExponentPlusStub", "1e+", 0},
                    ValueCheck{"ExponentMinusStubUpper", "1E-", 0}, ValueCheck{"SignAndStub", "-2.5E-", 0},
                    ValueCheck{"FullExponent", "1.5e-3", 0}, ValueCheck{"LoneSign", "-", 0},
                    ValueCheck{"BlankInside", "12 34", 1}, ValueCheck{"TabInside", "12\t3", 1},
                    ValueCheck{"TrailingText", "12abc", 1}, ValueCheck{"SignedTrailingText", "-12abc", 1},
                    ValueCheck{"TwoSigns", "+-5", 1}, ValueCheck{"StubAlone", "e", 1},
                    ValueCheck{"SignAndStubAlone", "-e", 1}, ValueCheck{"TwoPoints", "1.2.3", 1},
                    ValueCheck{"HexPrefix", "&HFF", 1}, ValueCheck{"BeyondDoubleRange", "1e400", 1},
                    ValueCheck{"PointAlone", ".", 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct BaseConversion {
    const char* name;
    const char* from;
    const char* into;
    const char* input;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const BaseConversion& c) {
    return out << c.input << " from base " << c.from << " into base " << c.into;
}

class EngineNumberSystems : public testing::TestWithParam<BaseConversion> {};

TEST_P(EngineNumberSystems, ConvertsWithinTheLimits) {
    const BaseConversion& c = GetParam();
    EXPECT_EQ(convertNumberSystem(c.input, c.from, c.into), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, EngineNumberSystems,
    testing::Values(BaseConversion{"DecToBinLargest", "10", "2", "65535", "1111111111111111"},
                    BaseConversion{"DecToBinTooLarge", "10", "2", "65536", "Input error"},
                    BaseConversion{"DecToBinLeadingZerosKept", "10", "2", "5", "0000000000000101"},
                    BaseConversion{"DecToBinManyDigits", "10", "2", "000000000000000000000000000007",
                                   "0000000000000111"},
                    BaseConversion{"DecToBinNegative", "10", "2", "-5", "Input error"},
                    BaseConversion{"DecToBinFraction", "10", "2", "1.5", "Input error"},
                    BaseConversion{"BinToDecSixteenDigits", "2", "10", "1111111111111111", "65535"},
                    BaseConversion{"BinToDecSeventeenDigits", "2", "10", "10000000000000000", "Input error"},
                    BaseConversion{"BinToDecNotBinary", "2", "10", "102", "Input error"},
                    BaseConversion{"BinToHex", "2", "16", "1010", "A"},
                    BaseConversion{"BinToOct", "2", "8", "1000", "10"},
                    BaseConversion{"HexToDecLargest", "16", "10", "FFFFFFFF", "4294967295"},
                    BaseConversion{"HexToDecLowerCase", "16", "10", "ff", "255"},
                    BaseConversion{"HexToOctBeyondLong", "16", "8", "FFFFFFFF", "Input error"},
                    BaseConversion{"HexToOctLargestLong", "16", "8", "7FFFFFFF", "17777777777"},
                    BaseConversion{"HexNineDigits", "16", "10", "FFFFFFFFF", "Input error"},
                    BaseConversion{"HexToBinBeyondSixteenBits", "16", "2", "10000", "Input error"},
                    BaseConversion{"HexToBin", "16", "2", "FFFF", "1111111111111111"},
                    BaseConversion{"HexNotHex", "16", "10", "FG", "Input error"},
                    BaseConversion{"OctToDecLargestLong", "8", "10", "17777777777", "2147483647"},
                    BaseConversion{"OctToDecBeyondLong", "8", "10", "20000000000", "Input error"},
                    BaseConversion{"OctTwelveDigits", "8", "10", "000000000001", "Input error"},
                    BaseConversion{"OctNotOctal", "8", "10", "8", "Input error"},
                    BaseConversion{"OctToBin", "8", "2", "17", "0000000000001111"},
                    BaseConversion{"OctToHex", "8", "16", "777", "1FF"},
                    BaseConversion{"DecToHexLargestLong", "10", "16", "2147483647", "7FFFFFFF"},
                    BaseConversion{"DecToHexBeyondLong", "10", "16", "2147483648", "Input error"},
                    BaseConversion{"DecToOctZero", "10", "8", "0", "0"},
                    BaseConversion{"DecToOctHugeText", "10", "8", "99999999999999999999999", "Input error"},
                    BaseConversion{"UncertainMarkIsNoDigit", "16", "10", "FF?", "Input error"},
                    BaseConversion{"SameBase", "10", "10", "12", ""},
                    BaseConversion{"UnknownBase", "3", "10", "12", ""},
                    BaseConversion{"RateWithBlanks", " 16 ", "10", "1F", "31"}),
    [](const auto& info) { return std::string(info.param.name); });

// LeadingNumber reads plain decimals in one step; every text must still give
// the leading-number rule's value.
TEST(EngineLeadingNumber, SameValueAsTheLeadingNumberRule) {
    std::vector<std::string> texts{"0",      "-0",       "12",     "-0.0254", ".5",  "5.",    "-.5",
                                   "1e5",    "1E-05",    "1.5e+3", "1e",      "1e+", "2E-",   "1e999",
                                   "-1e999", "1e-999",   "4e-320", "+7",      " 12", "1 2",   "1d3",
                                   "&HFF",   "&O17",     "12abc",  "1.2.3",   "-",   "",      "e5",
                                   "1e0005", "00012.50", "1e-0",   "inf",     "nan", "0x1p3", "1,5"};
    texts.push_back("123456789012345678901234567890");
    texts.push_back("0.1000000000000000055511151231257827");
    std::mt19937_64 random(7);
    const std::string alphabet = "0123456789.-+eE ,d";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const auto length = 1 + random() % 12;
        for (std::size_t k = 0; k < length; ++k)
            text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const double expected = common::numericTextValue(text);
        const double actual = leadingNumber(text);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(actual)) << text;
        } else {
            ASSERT_EQ(actual, expected) << "'" << text << "'";
            ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << "'" << text << "'";
        }
    }
}

TEST(EngineNumberSystems, EmptyTextIsNoNumberInAnyBase) {
    for (auto helper : {binToDec, octToDec, hexToDec, decToBin, decToOct, decToHex}) {
        EXPECT_EQ(helper(""), "Input error");
    }
}

}  // namespace
}  // namespace quantora
