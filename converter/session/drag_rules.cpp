#include "converter/session/drag_rules.h"

#include "converter/table/table_edits.h"

namespace quantora {

EdgeBand edgeBandAt(const PaneRect& pane, int x, int y) {
    if (x < pane.left || x > pane.right || y < pane.top || y > pane.bottom)
        return EdgeBand::Outside;
    if (y <= pane.top + pane.band)
        return EdgeBand::Top;
    if (y >= pane.bottom - pane.band)
        return EdgeBand::Bottom;
    return EdgeBand::Inside;
}

WatchAction DragWatch::tick(EdgeBand band, bool sorted) {
    if (++m_ticks >= kMaxTicks)
        return WatchAction::Expired;
    if (band != m_band)
        m_bandTicks = 0;
    m_band = band;
    if (band == EdgeBand::Outside || band == EdgeBand::Inside)
        return WatchAction::StopScroll;
    const int rested = ++m_bandTicks * kTickMs;
    if (sorted)
        return rested >= m_hintDelay ? WatchAction::EndSorted : WatchAction::None;
    if (rested < m_scrollDelay)
        return WatchAction::None;
    return band == EdgeBand::Top ? WatchAction::ScrollUp : WatchAction::ScrollDown;
}

ScrollStep scrollStep(int position, WatchAction direction, int last, int stride) {
    if (last <= 0)
        return {0, true};
    const int next = direction == WatchAction::ScrollUp ? position - stride : position + stride;
    if (next <= 0)
        return {0, true};
    if (next >= last)
        return {last, true};
    return {next, false};
}

bool treeDragStarts(const ConversionTable& table, int node, bool modify) {
    return modify && table.kindOf(node) == NodeKind::Quantity;
}

DropVerdict treeDropVerdict(const ConversionTable& table, bool sorted, int dragged, int target) {
    if (target < 1 || dragged < 1)
        return DropVerdict::Refuse;
    if (sorted)
        return DropVerdict::SortedHint;
    return canInsertTreeItem(table, dragged, target) ? DropVerdict::Move : DropVerdict::Refuse;
}

DropVerdict listDropVerdict(bool sorted, bool modify, int dragged, int target) {
    if (!modify)
        return DropVerdict::Refuse;
    if (sorted)
        return DropVerdict::SortedHint;
    return target >= 1 && dragged >= 1 && target != dragged ? DropVerdict::Move : DropVerdict::Refuse;
}

}  // namespace quantora
