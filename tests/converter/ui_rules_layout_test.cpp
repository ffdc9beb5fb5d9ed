// Layout arithmetic of the main window: panes, value boxes, arrow, drags.

#include "converter/settings/window_layout.h"

#include <gtest/gtest.h>

namespace layout = quantora::layout;

TEST(WindowLayout, TreeKeepsItsWidthAndTheListTakesTheRest) {
    int treeWidth = 260;
    const layout::Panes panes = layout::horizontalPanes(800, treeWidth);
    EXPECT_EQ(treeWidth, 260);
    EXPECT_EQ(panes.treeLeft, 5);
    EXPECT_EQ(panes.listLeft, 5 + 260 + 3);
    EXPECT_EQ(panes.listWidth, 800 - 260 - 13);
    EXPECT_EQ(panes.splitterLeft, 5 + 260 - 2);
    EXPECT_EQ(panes.splitterWidth, 7);
}

TEST(WindowLayout, PanesNeverGetNarrowerThanSixtyPixels) {
    int narrow = 10;
    EXPECT_EQ(layout::horizontalPanes(800, narrow).treeWidth, 60);
    EXPECT_EQ(narrow, 60);

    int wide = 2000;
    const layout::Panes panes = layout::horizontalPanes(600, wide);
    EXPECT_EQ(panes.listWidth, 60);
    EXPECT_EQ(wide, 600 - 60 - 13);
    EXPECT_EQ(panes.treeWidth, wide);
}

TEST(WindowLayout, BoxesShareTheirWidthInTheRatio) {
    float ratio = 1;
    EXPECT_EQ(layout::boxWidth(0, 600, ratio), 174);  // 0.58 * 600 / 2
    EXPECT_EQ(layout::boxWidth(1, 600, ratio), 174);
    ratio = 2;
    EXPECT_EQ(layout::boxWidth(0, 600, ratio), 232);
    EXPECT_EQ(layout::boxWidth(1, 600, ratio), 116);
}

TEST(WindowLayout, BoxWidthsAreClampedAndABadRatioIsReset) {
    float ratio = 1;
    EXPECT_EQ(layout::boxWidth(0, 2000, ratio), 300);
    EXPECT_EQ(layout::boxWidth(1, 150, ratio), 60);
    for (float bad : {0.0F, -3.0F, 0.009F}) {
        float r = bad;
        EXPECT_EQ(layout::boxWidth(0, 600, r), 174) << bad;
        EXPECT_EQ(r, 1.0F) << bad;
    }
}

TEST(WindowLayout, ResizedBoxesSitAtBothEdgesWithTheArrowCentred) {
    float ratio = 1;
    const layout::Boxes boxes = layout::resizedBoxes(600, ratio);
    EXPECT_EQ(boxes.inputLeft, 5);
    EXPECT_EQ(boxes.outputLeft, 600 - 174 - 5 - 1);
    // (5 + 174) + ((420 - 179 - 32) \ 2) + 3
    EXPECT_EQ(boxes.arrowLeft, 179 + 104 + 3);
}

TEST(WindowLayout, EqualizedBoxesLeaveRoomForTheArrow) {
    int treeWidth = 200;
    const layout::Panes panes = layout::horizontalPanes(600, treeWidth);
    const layout::Boxes boxes = layout::equalizedBoxes(600, panes);
    EXPECT_EQ(boxes.inputWidth, (600 - 132 - 10 - 1) / 2);
    EXPECT_EQ(boxes.outputWidth, boxes.inputWidth);
    EXPECT_EQ(boxes.outputLeft + boxes.outputWidth + 1, panes.listLeft + panes.listWidth);
    EXPECT_EQ(boxes.arrowLeft, 5 + boxes.inputWidth + 50 + 3);
}

TEST(WindowLayout, VerticalPlacementBelowThePanes) {
    EXPECT_EQ(layout::boxHeightFor(14), 24);
    const layout::Vertical v = layout::verticalLayout(400, 24);
    EXPECT_EQ(v.paneTop, 0);
    EXPECT_EQ(v.paneHeight, 400 - 24 - 7);
    EXPECT_EQ(v.boxTop, v.paneHeight + 4);
    EXPECT_EQ(v.arrowTop, v.boxTop + 3);
    EXPECT_EQ(layout::verticalLayout(10, 24).paneHeight, 0);
}

TEST(WindowLayout, TheSplitterMovesOnlyWithinTheMinimums) {
    int treeWidth = 200;
    const layout::Panes start = layout::horizontalPanes(600, treeWidth);
    const layout::SplitterDragStart drag{start.treeWidth, start.listLeft, start.listWidth};

    const auto moved = layout::splitterMoved(drag, start, 50);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->treeWidth, 250);
    EXPECT_EQ(moved->listWidth, start.listWidth - 50);
    EXPECT_EQ(moved->listLeft, start.listLeft + 50);
    EXPECT_EQ(moved->splitterLeft, 5 + 250 - 2);

    EXPECT_TRUE(layout::splitterMoved(drag, start, -140));
    EXPECT_FALSE(layout::splitterMoved(drag, start, -141));
    EXPECT_TRUE(layout::splitterMoved(drag, start, start.listWidth - 60));
    EXPECT_FALSE(layout::splitterMoved(drag, start, start.listWidth - 59));
}

TEST(WindowLayout, TheArrowDragHasNoMaximumButKeepsTheMinimum) {
    int treeWidth = 200;
    const layout::Panes panes = layout::horizontalPanes(1600, treeWidth);
    const layout::ArrowDragStart start{300, 300};
    const auto wider = layout::arrowMoved(start, panes, 150);
    ASSERT_TRUE(wider);
    EXPECT_EQ(wider->boxes.inputWidth, 450);
    EXPECT_EQ(wider->boxes.outputWidth, 150);
    EXPECT_FLOAT_EQ(wider->ratio, 3.0F);
    EXPECT_EQ(wider->boxes.inputLeft, 6);
    EXPECT_EQ(wider->boxes.outputLeft, panes.listLeft + panes.listWidth - 150 - 1);
    EXPECT_TRUE(layout::arrowMoved(start, panes, 240));
    EXPECT_FALSE(layout::arrowMoved(start, panes, 241));
    EXPECT_FALSE(layout::arrowMoved(start, panes, -241));
}

TEST(WindowLayout, OnlyBothCoordinatesUnsetCentreTheWindow) {
    EXPECT_FALSE(layout::positionSaved(-100, -100));
    EXPECT_FALSE(layout::positionSaved(-100.5F, -1000));
    EXPECT_TRUE(layout::positionSaved(-50, -100));
    EXPECT_TRUE(layout::positionSaved(-100, -99));
    EXPECT_EQ(layout::windowPosition(false, {7, 7}, 640, 480, 1280, 801), (layout::Point{320, 160}));
    EXPECT_EQ(layout::windowPosition(true, {-3, -7}, 640, 480, 1280, 800), (layout::Point{-3, -7}));
}

TEST(WindowLayout, ACompanionWindowOpensBesideItsOwner) {
    const layout::Rect screen{0, 0, 1920, 1080};
    // Room on the right; then only on the left; then on neither side.
    EXPECT_EQ(layout::besideOwner({100, 50, 640, 480}, 560, 620, screen), (layout::Point{740, 50}));
    EXPECT_EQ(layout::besideOwner({1200, 50, 640, 480}, 560, 620, screen), (layout::Point{640, 50}));
    EXPECT_EQ(layout::besideOwner({300, 700, 1400, 480}, 560, 620, screen), (layout::Point{1360, 460}));
}
