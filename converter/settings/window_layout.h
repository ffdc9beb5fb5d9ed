#pragma once
// Layout arithmetic of the converter's main window, in pixels: the tree and
// the list side by side with a splitter between them, and below them the two
// value boxes with the arrow between them.
//
// window size -> panes (tree width kept from the settings, list takes the rest)
//             -> value boxes (BoxWidthRatio, clamped) -> arrow centred
//             -> vertical placement in the area below the toolbar
// Drags of the splitter and of the arrow are checked here too.

#include <optional>

namespace quantora::layout {

inline constexpr int kMinWindowWidth = 480;
inline constexpr int kMinWindowHeight = 360;
inline constexpr int kOuterMargin = 5;
inline constexpr int kPaneGap = 3;
inline constexpr int kMinPaneWidth = 60;
inline constexpr int kMinBoxWidth = 60;
inline constexpr int kMaxBoxWidth = 300;
inline constexpr int kArrowGap = 132;
inline constexpr int kSplitterOverlap = 2;
inline constexpr int kSplitterExtra = 4;
inline constexpr int kBoxInset = 1;
inline constexpr int kArrowOffset = 3;
inline constexpr int kArrowWidth = 32;
inline constexpr int kArrowHeight = 17;
// Box height per text height of "A".
inline constexpr double kBoxHeightFactor = 1.7142857;

struct Panes {
    int treeLeft = 0;
    int treeWidth = 0;
    int listLeft = 0;
    int listWidth = 0;
    int splitterLeft = 0;
    int splitterWidth = 0;
};

struct Boxes {
    int inputLeft = 0;
    int inputWidth = 0;
    int outputLeft = 0;
    int outputWidth = 0;
    int arrowLeft = 0;
};

struct Vertical {
    int paneTop = 0;
    int paneHeight = 0;
    int boxTop = 0;
    int boxHeight = 0;
    int arrowTop = 0;
};

// Tree and list across the inner width. treeWidth is raised to the minimum
// pane width, and lowered when the list would get less than its minimum.
Panes horizontalPanes(int innerWidth, int& treeWidth);

// Width of box 0 (input) or 1 (output): 0.58 of the inner width shared in the
// ratio input : output, each clamped to 60 .. 300. A ratio below 0.01 is
// first reset to 1 (mGetBoxWidth).
int boxWidth(int box, int innerWidth, float& ratio);

// Both boxes at their rule widths, the output box at the right edge, the
// arrow centred between them.
Boxes resizedBoxes(int innerWidth, float& ratio);

// The arrow centred between the input box's right edge and the output box.
int centredArrowLeft(int inputRight, int outputLeft);

// Both boxes equally wide, the arrow in the gap between them.
Boxes equalizedBoxes(int innerWidth, const Panes& panes);

// Placement in an area of the given height below the toolbar; boxHeight
// comes from the text height.
int boxHeightFor(int textHeight);
Vertical verticalLayout(int areaHeight, int boxHeight);

struct SplitterDragStart {
    int treeWidth = 0;
    int listLeft = 0;
    int listWidth = 0;
};
// The panes after moving the splitter dx pixels; nothing when either pane
// would become narrower than its minimum.
std::optional<Panes> splitterMoved(const SplitterDragStart& start, const Panes& current, int dx);

struct ArrowDragStart {
    int inputWidth = 0;
    int outputWidth = 0;
};
// The boxes after dragging the arrow dx pixels; nothing when either box would
// become narrower than its minimum. No maximum applies while dragging. The
// new ratio is input width / output width.
struct ArrowMove {
    Boxes boxes;
    float ratio = 1;
};
std::optional<ArrowMove> arrowMoved(const ArrowDragStart& start, const Panes& panes, int dx);

// Window position: the stored one (in pixels) when a position was saved,
// otherwise centred on the screen.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
Point windowPosition(bool positionSaved, Point stored, int windowWidth, int windowHeight, int screenWidth,
                     int screenHeight);
// The stored coordinates mean "none saved" when both are below -99 twips.
bool positionSaved(float leftTwips, float topTwips);

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// Where a companion window of the given size opens: right of the owner when
// it fits on the screen, else left of it, else against the screen's right
// edge; its top level with the owner's, kept on the screen.
Point besideOwner(const Rect& owner, int width, int height, const Rect& screen);

}  // namespace quantora::layout
