// Layout arithmetic of the main window: panes, value boxes, arrow, drags.

#include "converter/settings/window_layout.h"

#include <gtest/gtest.h>

namespace layout = quantora::layout;

TEST(WindowLayout, TheTreeKeepsItsWidthAndTheListTakesTheRestBothAtLeastSixty) {
    int treeWidth = 260;
    const layout::Panes panes = layout::horizontalPanes(800, treeWidth);
    EXPECT_EQ(treeWidth, 260);
    EXPECT_EQ(panes.treeLeft, 5);
    EXPECT_EQ(panes.listLeft, 268);
    EXPECT_EQ(panes.listWidth, 527);
    EXPECT_EQ(panes.splitterLeft, 263);
    EXPECT_EQ(panes.splitterWidth, 7);

    int narrow = 10;
    EXPECT_EQ(layout::horizontalPanes(800, narrow).treeWidth, 60);
    EXPECT_EQ(narrow, 60);
    int wide = 2000;
    const layout::Panes squeezed = layout::horizontalPanes(600, wide);
    EXPECT_EQ(squeezed.listWidth, 60);
    EXPECT_EQ(wide, 527);
    EXPECT_EQ(squeezed.treeWidth, 527);
}

TEST(WindowLayout, BoxesShareTheirWidthInTheRatioWithinSixtyToThreeHundred) {
    struct Case {
        int innerWidth;
        float ratio;
        int input, output;
    };
    // A ratio below 0.01 is reset to 1 first.
    for (const Case c :
         {Case{600, 1, 174, 174}, Case{600, 2, 232, 116}, Case{2000, 1, 300, 300}, Case{150, 1, 60, 60},
          Case{600, 0, 174, 174}, Case{600, -3, 174, 174}, Case{600, 0.009F, 174, 174}}) {
        float ratio = c.ratio;
        EXPECT_EQ(layout::boxWidth(0, c.innerWidth, ratio), c.input) << c.innerWidth << " at " << c.ratio;
        EXPECT_EQ(layout::boxWidth(1, c.innerWidth, ratio), c.output) << c.innerWidth << " at " << c.ratio;
        EXPECT_EQ(ratio, c.ratio >= 0.01F ? c.ratio : 1.0F);
    }
}

TEST(WindowLayout, BoxesSitAtBothEdgesOrBesideTheListWithTheArrowBetween) {
    float ratio = 1;
    const layout::Boxes resized = layout::resizedBoxes(600, ratio);
    EXPECT_EQ(resized.inputLeft, 5);
    EXPECT_EQ(resized.outputLeft, 420);
    EXPECT_EQ(resized.arrowLeft, 286);

    int treeWidth = 200;
    const layout::Panes panes = layout::horizontalPanes(600, treeWidth);
    const layout::Boxes equal = layout::equalizedBoxes(600, panes);
    EXPECT_EQ(equal.inputWidth, 228);
    EXPECT_EQ(equal.outputWidth, 228);
    EXPECT_EQ(equal.outputLeft + equal.outputWidth + 1, panes.listLeft + panes.listWidth);
    EXPECT_EQ(equal.arrowLeft, 286);
}

TEST(WindowLayout, VerticalPlacementBelowThePanes) {
    EXPECT_EQ(layout::boxHeightFor(14), 24);
    const layout::Vertical v = layout::verticalLayout(400, 24);
    EXPECT_EQ(v.paneTop, 0);
    EXPECT_EQ(v.paneHeight, 369);
    EXPECT_EQ(v.boxTop, 373);
    EXPECT_EQ(v.arrowTop, 376);
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
    EXPECT_EQ(moved->splitterLeft, 253);

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
