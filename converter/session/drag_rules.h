#pragma once
// What a drag in the tree or the unit list may do, apart from any window:
// whether it starts, what a drop does, and how resting the pointer at the
// top or bottom edge of the dragged view scrolls it (tmrWatch, tmrScroll).
//
// drag starts -> each watch tick: edge band? -> rested long enough?
//             -> scroll one row per scroll tick, or end the drag on a sorted view
// drop -> move, refuse, or the sorted hint

#include "converter/table/conversion_table.h"

namespace quantora {

// Where the pointer stands in the dragged view.
enum class EdgeBand { Outside, Inside, Top, Bottom };

// The view's rectangle in screen pixels and the height of its edge bands.
struct PaneRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int band = 0;
};
EdgeBand edgeBandAt(const PaneRect& pane, int x, int y);

// What one watch tick asks of the window.
enum class WatchAction { None, StopScroll, ScrollUp, ScrollDown, EndSorted, Expired };

// The pointer watch during one drag (tmrWatch, 100 ms a tick). Scrolling
// starts once the pointer has rested in an edge band for the scroll delay;
// on a sorted view, which cannot be reordered, resting there for the hint
// delay ends the drag with the hint instead. After 6000 ticks the watch ends.
class DragWatch {
public:
    static constexpr int kTickMs = 100;
    static constexpr int kMaxTicks = 6000;

    // Delays in milliseconds (ScrollDownDelay, ShowHintDelay).
    DragWatch(int scrollDelay, int hintDelay) : m_scrollDelay(scrollDelay), m_hintDelay(hintDelay) {}

    WatchAction tick(EdgeBand band, bool sorted);
    int ticks() const { return m_ticks; }

private:
    int m_scrollDelay;
    int m_hintDelay;
    int m_ticks = 0;
    int m_bandTicks = 0;
    EdgeBand m_band = EdgeBand::Outside;
};

// One scroll tick: the view's scroll position (0 .. last) moves one stride
// up or down; at either end the scrolling stops.
struct ScrollStep {
    int position = 0;
    bool stop = false;
};
ScrollStep scrollStep(int position, WatchAction direction, int last, int stride);

// A tree drag starts on an ordinary quantity node while editing is allowed.
bool treeDragStarts(const ConversionTable& table, int node, bool modify);

enum class DropVerdict { Move, Refuse, SortedHint };
// A quantity node dropped on a tree node (0 for none).
DropVerdict treeDropVerdict(const ConversionTable& table, bool sorted, int dragged, int target);
// A unit dropped on another of the same list (0 for none); moving needs
// editing allowed.
DropVerdict listDropVerdict(bool sorted, bool modify, int dragged, int target);

}  // namespace quantora
