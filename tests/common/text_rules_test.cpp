#include "common/text_encoding.h"
#include "common/text_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceAll, ResumesAfterTheInsertedText) {
    EXPECT_EQ(common::pReplaceAll("axbxc", "x", "xx"), "axxbxxc");
    EXPECT_EQ(common::pReplaceAll("x^2+x", "x", "(x+1)"), "(x+1)^2+(x+1)");
    EXPECT_EQ(common::pReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(common::pReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(common::pReplaceAll("1,5,0", ",", "."), "1.5.0");
}

TEST(AccelLetter, IsTheTextAfterTheFirstAmpersand) {
    EXPECT_EQ(common::pAccelLetter("&Name"), "Name");
    EXPECT_EQ(common::pAccelLetter("Y-intercept"), "");
    EXPECT_EQ(common::pAccelLetter("Memo&"), "");
    EXPECT_EQ(common::pAccelLetter("Save &As"), "As");
    EXPECT_EQ(common::pAccelLetter("a&&b"), "&b");
}

TEST(Trim, RemovesBlanksAroundOnly) {
    EXPECT_EQ(common::Trimmed("  a b \t"), "a b");
    EXPECT_EQ(common::Trimmed("   "), "");
    EXPECT_EQ(common::ToLowerAscii("Pixel (X)"), "pixel (x)");
}

TEST(Encoding, Windows1252RoundTripsThroughUtf8) {
    const std::string bytes = "\xB5\xB2\xB3\xB0\xC5\xB1\x80\x96";  // µ²³°Å±€–
    const std::string utf8 = common::Windows1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "\xC2\xB5\xC2\xB2\xC2\xB3\xC2\xB0\xC3\x85\xC2\xB1\xE2\x82\xAC\xE2\x80\x93");
    EXPECT_EQ(common::Utf8ToWindows1252(utf8), bytes);
    EXPECT_TRUE(common::FitsWindows1252(utf8));
    EXPECT_EQ(common::Windows1252ToUtf8("\x81"), "\xEF\xBF\xBD");  // undefined byte
}

TEST(Encoding, DetectsUtf8AndWhatWindows1252CannotHold) {
    EXPECT_TRUE(common::IsValidUtf8("ohm \xCE\xA9"));
    EXPECT_FALSE(common::IsValidUtf8("\xB5m"));
    EXPECT_FALSE(common::IsValidUtf8("\xC0\x80"));  // overlong
    EXPECT_FALSE(common::FitsWindows1252("\xCE\xA9"));
    EXPECT_EQ(common::Utf8ToWindows1252("\xCE\xA9"), "?");
    EXPECT_TRUE(common::IsAscii("plain"));
    EXPECT_EQ(common::kPlusMinus, "\xC2\xB1");
}

}  // namespace
