#include "calculator/eval/window_layout.h"

#include <algorithm>
#include <cmath>

namespace tallix {

namespace {

constexpr int kFrame = 1;  // the raised frame around the window
constexpr int kPad = 5;    // between the frame and the boxes
constexpr int kMinBoxHeight = 22;
constexpr int kMinTitleHeight = 20;
constexpr int kIconSize = 16;
constexpr int kButtonGap = 38;  // between the input text and the result box
constexpr int kResultExtra = 12;
constexpr int kBoxFrame = 2;  // the input box's own frame, kept clear of the result box
constexpr int kEvaluateWidth = 26;
constexpr int kSendWidth = 26;
constexpr int kHistoryWidth = 20;

}  // namespace

CalcLayout calcLayout(const LayoutMeasures& m) {
    CalcLayout l;
    const int boxHeight = std::max(m.boxHeight, kMinBoxHeight);
    const int titleHeight = std::max(m.titleTextHeight + 6, kMinTitleHeight);
    const int glyph = titleHeight - 4;
    // The window is this much wider than the two text widths together.
    constexpr int kFixed =
        2 * (kFrame + kPad) + kResultExtra + kButtonGap + 4 + kSendWidth + 2 + kHistoryWidth;

    int wRes = std::max(m.resultTextWidth, kMinResultTextWidth);
    int wIn = std::max(m.inputTextWidth, kMinInputTextWidth);
    // Room for the title between the icon and the glyphs.
    const int titleNeeds = m.titleTextWidth + kFrame + 4 + kIconSize + 5 + 4 + 2 * glyph + 2 + 3 + kFrame;
    wIn = std::max(wIn, titleNeeds - kFixed - wRes);
    if (m.maxWidth > 0) {
        wIn = std::max(kMinInputTextWidth, std::min(wIn, m.maxWidth - kFixed - wRes));
        wRes = std::max(kMinResultTextWidth, std::min(wRes, m.maxWidth - kFixed - wIn));
    }
    const int rowTop = kFrame + titleHeight + kPad;
    l.inputTextWidth = wIn;
    l.input = {kFrame + kPad, rowTop, (wRes + kResultExtra) + wIn + kButtonGap, boxHeight};
    l.result = {l.input.right() - kBoxFrame - (wRes + kResultExtra), rowTop + kBoxFrame, wRes + kResultExtra,
                boxHeight - 2 * kBoxFrame};
    const int gapLeft = l.input.x + wIn;
    l.evaluate = {gapLeft + (l.result.x - gapLeft - kEvaluateWidth) / 2, rowTop + 3, kEvaluateWidth,
                  boxHeight - 6};
    l.send = {l.input.right() + 4, rowTop, kSendWidth, boxHeight};
    l.history = {l.send.right() + 2, rowTop, kHistoryWidth, boxHeight};

    l.width = l.history.right() + kPad + kFrame;
    l.height = l.input.bottom() + kPad + kFrame;

    l.titleStrip = {kFrame, kFrame, l.width - 2 * kFrame, titleHeight};
    l.exit = {l.titleStrip.right() - 3 - glyph, kFrame + 2, glyph, glyph};
    l.minimise = {l.exit.x - 2 - glyph, kFrame + 2, glyph, glyph};
    l.icon = {kFrame + 4, kFrame + (titleHeight - kIconSize) / 2, kIconSize, kIconSize};
    l.title = {l.icon.right() + 5, kFrame, l.minimise.x - 4 - (l.icon.right() + 5), titleHeight};
    return l;
}

int twipsToPixels(double twips, double twipsPerPixel) {
    constexpr double kLimit = 1e6;
    if (!(twipsPerPixel > 0))
        twipsPerPixel = 15;
    const double pixels = twips / twipsPerPixel;
    if (!(pixels > -kLimit))
        return static_cast<int>(-kLimit);
    if (!(pixels < kLimit))
        return static_cast<int>(kLimit);
    return static_cast<int>(std::lround(pixels));
}

float pixelsToTwips(int pixels, double twipsPerPixel) {
    return static_cast<float>(static_cast<double>(pixels) * twipsPerPixel);
}

}  // namespace tallix
