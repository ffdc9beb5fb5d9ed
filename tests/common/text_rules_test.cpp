#include "common/text_rules.h"
#include "common/decimal_separator.h"
#include "common/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceAll, ResumesAfterTheInsertedText) {
    EXPECT_EQ(common::replaceAll("axbxc", "x", "xx"), "axxbxxc");
    EXPECT_EQ(common::replaceAll("x^2+x", "x", "(x+1)"), "(x+1)^2+(x+1)");
    EXPECT_EQ(common::replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(common::replaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(common::replaceAll("1,5,0", ",", "."), "1.5.0");
}

TEST(AccelLetter, IsTheTextAfterTheFirstAmpersand) {
    EXPECT_EQ(common::accessLetter("&Name"), "Name");
    EXPECT_EQ(common::accessLetter("Y-intercept"), "");
    EXPECT_EQ(common::accessLetter("Memo&"), "");
    EXPECT_EQ(common::accessLetter("Save &As"), "As");
    EXPECT_EQ(common::accessLetter("a&&b"), "&b");
}

TEST(Trim, RemovesBlanksAroundOnly) {
    EXPECT_EQ(common::trimmed("  a b \t"), "a b");
    EXPECT_EQ(common::trimmed("   "), "");
    EXPECT_EQ(common::toLowerAscii("Pixel (X)"), "pixel (x)");
}

TEST(Encoding, Windows1252RoundTripsThroughUtf8) {
    const std::string bytes = "\xB5\xB2\xB3\xB0\xC5\xB1\x80\x96";  // µ²³°Å±€–
    const std::string utf8 = common::windows1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "\xC2\xB5\xC2\xB2\xC2\xB3\xC2\xB0\xC3\x85\xC2\xB1\xE2\x82\xAC\xE2\x80\x93");
    EXPECT_EQ(common::utf8ToWindows1252(utf8), bytes);
    EXPECT_TRUE(common::fitsWindows1252(utf8));
    EXPECT_EQ(common::windows1252ToUtf8("\x81"), "\xC2\x81");  // undefined byte: its control character
}

TEST(Encoding, DetectsUtf8AndWhatWindows1252CannotHold) {
    EXPECT_TRUE(common::isValidUtf8("ohm \xCE\xA9"));
    EXPECT_FALSE(common::isValidUtf8("\xB5m"));
    EXPECT_FALSE(common::isValidUtf8("\xC0\x80"));  // overlong
    EXPECT_FALSE(common::fitsWindows1252("\xCE\xA9"));
    EXPECT_EQ(common::utf8ToWindows1252("\xCE\xA9"), "?");
    EXPECT_TRUE(common::isAscii("plain"));
    EXPECT_EQ(common::kPlusMinus, "\xC2\xB1");
}

TEST(DecimalSeparator, DetectedFromThePlatformSample) {
    using common::DecimalSeparator;
    EXPECT_EQ(common::detectDecimalSeparator("1.23"), DecimalSeparator::Dot);
    EXPECT_EQ(common::detectDecimalSeparator("1,23", DecimalSeparator::Dot), DecimalSeparator::Comma);
    // A sample with neither separator keeps what was known.
    EXPECT_EQ(common::detectDecimalSeparator("1'23", DecimalSeparator::Comma), DecimalSeparator::Comma);
    EXPECT_EQ(common::separatorName(DecimalSeparator::Comma), "comma");
}

TEST(DecimalSeparator, SwapsLeaveBlankTextAlone) {
    using common::DecimalSeparator;
    EXPECT_EQ(common::commaToDot("1,2,3"), "1.2.3");
    EXPECT_EQ(common::commaToDot("  "), "  ");
    EXPECT_EQ(common::dotToComma("1.23457E+06", DecimalSeparator::Comma), "1,23457E+06");
    EXPECT_EQ(common::dotToComma("1.23457E+06", DecimalSeparator::Dot), "1.23457E+06");
}

}  // namespace
