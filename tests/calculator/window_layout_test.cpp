// The calculator window's geometry follows its texts.

#include "calculator/eval/window_layout.h"

#include <gtest/gtest.h>

namespace tallix {
namespace {

bool inside(const Box& inner, const Box& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool apart(const Box& a, const Box& b) {
    return a.right() <= b.x || b.right() <= a.x || a.bottom() <= b.y || b.bottom() <= a.y;
}

TEST(CalcLayout, BoxesAndWindowWidenWithTheirTextsFromTheMinimums) {
    const CalcLayout small = calcLayout({40, 30, 22, 14});
    EXPECT_EQ(small.result.width, 110 + 12);
    EXPECT_EQ(small.input.width, (110 + 12) + 230 + 38);
    EXPECT_EQ(small.inputTextWidth, 230);
    const CalcLayout wide = calcLayout({500, 300, 22, 14});
    EXPECT_EQ(wide.result.width, 312);
    EXPECT_EQ(wide.input.width, 312 + 500 + 38);
    EXPECT_EQ(wide.width - small.width, (500 - 230) + (300 - 110));
    EXPECT_EQ(wide.height, small.height);  // only the widths follow the texts
}

TEST(CalcLayout, ALongTitleWidensTheInputBox) {
    const CalcLayout plain = calcLayout({0, 0, 22, 14, 0});
    EXPECT_GE(plain.title.width, 200);
    LayoutMeasures wide{0, 0, 22, 30};
    wide.titleTextWidth = 600;
    const CalcLayout l = calcLayout(wide);
    EXPECT_EQ(l.title.width, 600);
    EXPECT_EQ(l.input.width, l.result.width + l.inputTextWidth + 38);
    EXPECT_GT(l.inputTextWidth, 230);
}

TEST(CalcLayout, NeverWiderThanTheScreenUnlessTheMinimumsAre) {
    const auto capped = [](int input, int result, int maxWidth) {
        return calcLayout({.inputTextWidth = input,
                           .resultTextWidth = result,
                           .boxHeight = 22,
                           .titleTextHeight = 14,
                           .maxWidth = maxWidth});
    };
    const CalcLayout l = capped(5000, 400, 1024);
    EXPECT_EQ(l.width, 1024);
    EXPECT_EQ(l.result.width, 412);  // the input gave up its width first
    const CalcLayout both = capped(5000, 5000, 1024);
    EXPECT_EQ(both.width, 1024);
    EXPECT_EQ(both.inputTextWidth, 230);
    const CalcLayout tiny = capped(5000, 5000, 200);
    EXPECT_EQ(tiny.inputTextWidth, 230);
    EXPECT_EQ(tiny.result.width, 122);
}

TEST(CalcLayout, PartsDoNotOverlapAndStayInTheWindow) {
    for (const LayoutMeasures m : {LayoutMeasures{0, 0, 0, 0}, LayoutMeasures{900, 700, 40, 32}}) {
        const CalcLayout l = calcLayout(m);
        const Box window{0, 0, l.width, l.height};
        for (const Box& b : {l.titleStrip, l.icon, l.title, l.minimise, l.exit, l.input, l.send, l.history})
            EXPECT_TRUE(inside(b, window));
        // The evaluate button and the result box sit in the input box, after its text.
        EXPECT_TRUE(inside(l.result, l.input));
        EXPECT_TRUE(inside(l.evaluate, l.input));
        EXPECT_GE(l.evaluate.x, l.input.x + l.inputTextWidth);
        EXPECT_TRUE(apart(l.evaluate, l.result));
        EXPECT_TRUE(apart(l.input, l.send));
        EXPECT_TRUE(apart(l.send, l.history));
        EXPECT_TRUE(apart(l.titleStrip, l.input));
        EXPECT_TRUE(apart(l.title, l.minimise));
        EXPECT_TRUE(apart(l.minimise, l.exit));
        EXPECT_TRUE(inside(l.minimise, l.titleStrip));
        EXPECT_TRUE(inside(l.exit, l.titleStrip));
        EXPECT_GE(l.title.width, 0);
    }
    const CalcLayout tall = calcLayout({0, 0, 40, 32});
    EXPECT_EQ(tall.input.height, 40);
    EXPECT_EQ(tall.titleStrip.height, 38);
    EXPECT_EQ(tall.exit.height, tall.exit.width);
}

TEST(StoredPosition, TwipsBecomePixelsAndBack) {
    // The first-run position 720, 480 twips at 96 pixels an inch.
    EXPECT_EQ(twipsToPixels(720, 15), 48);
    EXPECT_EQ(twipsToPixels(480, 15), 32);
    EXPECT_FLOAT_EQ(pixelsToTwips(48, 15), 720.0f);
    // At 192 pixels an inch the same place is twice as many pixels.
    EXPECT_EQ(twipsToPixels(720, 7.5), 96);
    // Nonsense never overflows.
    EXPECT_EQ(twipsToPixels(3e38, 15), 1000000);
    EXPECT_EQ(twipsToPixels(-3e38, 15), -1000000);
    EXPECT_EQ(twipsToPixels(720, 0), 48);
}

}  // namespace
}  // namespace tallix
