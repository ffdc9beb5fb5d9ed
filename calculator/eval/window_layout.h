#pragma once
// Geometry of the calculator window, in device-independent pixels. The window
// is a strip: the title bar on top; below it the input box, which carries the
// evaluate button and the result box at its right end; beside it the send and
// history buttons. The boxes and the window widen with their texts: the input
// box must hold its own text, the button and the result box.
//
// Stored window positions (CalcLeft, CalcTop) are twips, 1/1440 inch, as every
// stored window measure of both programs.

#include <cstdint>

namespace tallix {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    friend bool operator==(const Box&, const Box&) = default;
};

// What the window measures in its fonts before it is laid out.
struct LayoutMeasures {
    int inputTextWidth = 0;   // the input text followed by two blanks, in the input font
    int resultTextWidth = 0;  // the result text followed by three blanks, in the result font
    int boxHeight = 0;        // a one-line text box in the taller of the two fonts
    int titleTextHeight = 0;  // one line of the title font
    int titleTextWidth = 0;   // the title in its font
    int maxWidth = 0;         // the screen's width; 0 for no limit
};

inline constexpr int kMinInputTextWidth = 230;
inline constexpr int kMinResultTextWidth = 110;

struct CalcLayout {
    int width = 0;  // the window
    int height = 0;
    Box titleStrip;
    Box icon;
    Box title;
    Box minimise;
    Box exit;
    Box input;
    Box evaluate;  // inside the input box, right of its text
    Box result;    // inside the input box, at its right end
    Box send;
    Box history;
    // The input's text ends this far from the input box's left edge: the
    // evaluate button and the result box lie beyond it.
    int inputTextWidth = 0;
};

// wIn = the input text width, at least 230; wRes = the result text width, at
// least 110. The result box is wRes + 12 wide, the input box (wRes + 12) +
// wIn + 38; everything else is placed around these two. A title in a large
// font widens the input box until the title fits. A window that would
// not fit on the screen gives up input width first, then result width (the
// boxes scroll their text instead), never below the two minimums.
CalcLayout calcLayout(const LayoutMeasures& measures);

// A stored position in twips as pixels: a value no screen could hold (or no
// number at all) is limited first, so it can never overflow.
int twipsToPixels(double twips, double twipsPerPixel);
float pixelsToTwips(int pixels, double twipsPerPixel);

}  // namespace tallix
