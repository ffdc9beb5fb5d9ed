#include "converter/settings/window_layout.h"

#include <algorithm>
#include <cmath>

namespace quantora::layout {
namespace {

constexpr int kSideRoom = 2 * kOuterMargin + kPaneGap;

int roundToInt(double value) {
    return static_cast<int>(std::lround(value));
}

void placeSplitter(Panes& panes) {
    panes.splitterLeft = panes.treeLeft + panes.treeWidth - kSplitterOverlap;
    panes.splitterWidth = kSplitterExtra + kPaneGap;
}

}  // namespace

Panes horizontalPanes(int innerWidth, int& treeWidth) {
    treeWidth = std::max(treeWidth, kMinPaneWidth);
    int listWidth = innerWidth - treeWidth - kSideRoom;
    if (listWidth < kMinPaneWidth) {
        listWidth = kMinPaneWidth;
        treeWidth = innerWidth - listWidth - kSideRoom;
    }
    Panes panes;
    panes.treeLeft = kOuterMargin;
    panes.treeWidth = treeWidth;
    panes.listLeft = kOuterMargin + treeWidth + kPaneGap;
    panes.listWidth = listWidth;
    placeSplitter(panes);
    return panes;
}

int boxWidth(int box, int innerWidth, float& ratio) {
    if (!(ratio >= 0.01F))
        ratio = 1;
    const double total = 0.58 * innerWidth;
    const double width = box == 0 ? total / (1.0 / ratio + 1.0) : total / (ratio + 1.0);
    return std::clamp(roundToInt(width), kMinBoxWidth, kMaxBoxWidth);
}

int centredArrowLeft(int inputRight, int outputLeft) {
    return inputRight + (outputLeft - inputRight - kArrowWidth) / 2 + kArrowOffset;
}

Boxes resizedBoxes(int innerWidth, float& ratio) {
    Boxes boxes;
    boxes.inputLeft = kOuterMargin;
    boxes.inputWidth = boxWidth(0, innerWidth, ratio);
    boxes.outputWidth = boxWidth(1, innerWidth, ratio);
    boxes.outputLeft = innerWidth - boxes.outputWidth - kOuterMargin - kBoxInset;
    boxes.arrowLeft = centredArrowLeft(kOuterMargin + boxes.inputWidth, boxes.outputLeft);
    return boxes;
}

Boxes equalizedBoxes(int innerWidth, const Panes& panes) {
    Boxes boxes;
    const int width = (innerWidth - kArrowGap - 2 * kOuterMargin - kBoxInset) / 2;
    boxes.inputLeft = kOuterMargin;
    boxes.inputWidth = width;
    boxes.outputWidth = width;
    boxes.outputLeft = panes.listLeft + panes.listWidth - width - kBoxInset;
    boxes.arrowLeft = kOuterMargin + width + (kArrowGap - kArrowWidth) / 2 + kArrowOffset;
    return boxes;
}

int boxHeightFor(int textHeight) {
    return roundToInt(textHeight * kBoxHeightFactor);
}

Vertical verticalLayout(int areaHeight, int boxHeight) {
    Vertical v;
    v.paneTop = 0;
    v.boxHeight = boxHeight;
    v.paneHeight = std::max(areaHeight - boxHeight - 7, 0);
    v.boxTop = v.paneTop + v.paneHeight + 4;
    v.arrowTop = v.boxTop + (boxHeight - kArrowHeight) / 2;
    return v;
}

std::optional<Panes> splitterMoved(const SplitterDragStart& start, const Panes& current, int dx) {
    const int treeWidth = start.treeWidth + dx;
    const int listWidth = start.listWidth - dx;
    if (treeWidth < kMinPaneWidth || listWidth < kMinPaneWidth)
        return std::nullopt;
    Panes panes = current;
    panes.treeWidth = treeWidth;
    panes.listWidth = listWidth;
    panes.listLeft = start.listLeft + dx;
    placeSplitter(panes);
    return panes;
}

std::optional<ArrowMove> arrowMoved(const ArrowDragStart& start, const Panes& panes, int dx) {
    const int inputWidth = start.inputWidth + dx;
    const int outputWidth = start.outputWidth - dx;
    if (inputWidth < kMinBoxWidth || outputWidth < kMinBoxWidth)
        return std::nullopt;
    ArrowMove move;
    move.boxes.inputLeft = kBoxInset + kOuterMargin;
    move.boxes.inputWidth = inputWidth;
    move.boxes.outputWidth = outputWidth;
    move.boxes.outputLeft = panes.listLeft + panes.listWidth - outputWidth - kBoxInset;
    move.boxes.arrowLeft = centredArrowLeft(kOuterMargin + inputWidth, move.boxes.outputLeft);
    move.ratio = static_cast<float>(inputWidth) / static_cast<float>(outputWidth);
    return move;
}

bool positionSaved(float leftTwips, float topTwips) {
    return leftTwips >= -99 || topTwips >= -99;
}

Point windowPosition(bool positionSaved, Point stored, int windowWidth, int windowHeight, int screenWidth,
                     int screenHeight) {
    if (positionSaved)
        return stored;
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

Point besideOwner(const Rect& owner, int width, int height, const Rect& screen) {
    const int screenRight = screen.x + screen.width;
    int x = owner.x + owner.width;
    if (x + width > screenRight)
        x = owner.x - width >= screen.x ? owner.x - width : screenRight - width;
    const int y = std::clamp(owner.y, screen.y, std::max(screen.y, screen.y + screen.height - height));
    return {std::max(x, screen.x), y};
}

}  // namespace quantora::layout
