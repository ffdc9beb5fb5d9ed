#include "converter/session/drag_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace quantora {
namespace {

std::vector<WatchAction> ticks(DragWatch& watch, EdgeBand band, bool sorted, int count) {
    std::vector<WatchAction> actions;
    for (int k = 0; k < count; ++k)
        actions.push_back(watch.tick(band, sorted));
    return actions;
}

TEST(DragRules, EdgeBandsLieInsideThePaneAndScrollingStopsAtEitherEnd) {
    const PaneRect pane{100, 200, 300, 400, 20};
    EXPECT_EQ(edgeBandAt(pane, 99, 300), EdgeBand::Outside);
    EXPECT_EQ(edgeBandAt(pane, 150, 401), EdgeBand::Outside);
    EXPECT_EQ(edgeBandAt(pane, 150, 200), EdgeBand::Top);
    EXPECT_EQ(edgeBandAt(pane, 150, 220), EdgeBand::Top);
    EXPECT_EQ(edgeBandAt(pane, 150, 221), EdgeBand::Inside);
    EXPECT_EQ(edgeBandAt(pane, 300, 380), EdgeBand::Bottom);

    const auto step = [](int from, WatchAction action, int last, int stride) {
        const ScrollStep result = scrollStep(from, action, last, stride);
        return std::pair(result.position, result.stop);
    };
    EXPECT_EQ(step(5, WatchAction::ScrollDown, 10, 1), std::pair(6, false));
    EXPECT_EQ(step(9, WatchAction::ScrollDown, 10, 1), std::pair(10, true));
    EXPECT_EQ(step(9, WatchAction::ScrollDown, 10, 3), std::pair(10, true));
    EXPECT_EQ(step(2, WatchAction::ScrollUp, 10, 3), std::pair(0, true));
    EXPECT_EQ(step(0, WatchAction::ScrollDown, 0, 1), std::pair(0, true));
}

TEST(DragRules, ScrollingWaitsForThePointerToRestAtAnEdgeAndSortedViewsEndTheDrag) {
    DragWatch watch(300, 500);
    using A = WatchAction;
    EXPECT_EQ(ticks(watch, EdgeBand::Bottom, false, 4),
              (std::vector{A::None, A::None, A::ScrollDown, A::ScrollDown}));
    // Leaving the band stops the scrolling and starts the rest anew.
    EXPECT_EQ(watch.tick(EdgeBand::Inside, false), A::StopScroll);
    EXPECT_EQ(ticks(watch, EdgeBand::Top, false, 3), (std::vector{A::None, A::None, A::ScrollUp}));
    EXPECT_EQ(ticks(watch, EdgeBand::Bottom, false, 1), (std::vector{A::None}));

    DragWatch sorted(100, 300);
    EXPECT_EQ(ticks(sorted, EdgeBand::Top, true, 3), (std::vector{A::None, A::None, A::EndSorted}));
    DragWatch longDrag(100, 100);
    EXPECT_EQ(ticks(longDrag, EdgeBand::Inside, false, DragWatch::kMaxTicks - 1).back(), A::StopScroll);
    EXPECT_EQ(longDrag.tick(EdgeBand::Bottom, false), A::Expired);
}

TEST(DragRules, DropsMoveOnlyWhatMayMove) {
    // Root 1, category 2, Number System 3, Constants 4, Length 5, Time 6.
    ConversionTable table;
    table.categoryCount = 1;
    table.quantityCount = 4;
    table.allocationCount = 4;
    for (int q = 1; q <= 4; ++q)
        table.allocation(q) = {static_cast<std::int16_t>(q), 2};

    EXPECT_TRUE(treeDragStarts(table, 5, true));
    EXPECT_FALSE(treeDragStarts(table, 5, false));
    for (int node : {1, 2, 3, 4, 7})
        EXPECT_FALSE(treeDragStarts(table, node, true)) << node;

    EXPECT_EQ(treeDropVerdict(table, false, 6, 5), DropVerdict::Move);
    // Its own node, its own category, the root and the special quantities.
    for (int target : {0, 6, 2, 1, 3, 4})
        EXPECT_EQ(treeDropVerdict(table, false, 6, target), DropVerdict::Refuse) << target;
    EXPECT_EQ(treeDropVerdict(table, true, 6, 5), DropVerdict::SortedHint);
    EXPECT_EQ(treeDropVerdict(table, true, 6, 0), DropVerdict::Refuse);

    EXPECT_EQ(listDropVerdict(false, true, 2, 1), DropVerdict::Move);
    EXPECT_EQ(listDropVerdict(false, true, 2, 2), DropVerdict::Refuse);
    EXPECT_EQ(listDropVerdict(false, true, 2, 0), DropVerdict::Refuse);
    EXPECT_EQ(listDropVerdict(true, true, 2, 1), DropVerdict::SortedHint);
    EXPECT_EQ(listDropVerdict(false, false, 2, 1), DropVerdict::Refuse);
}

}  // namespace
}  // namespace quantora
