#pragma once
// Dragging in the main window: a quantity node to another place in the tree,
// a unit to another place in the list or onto a value box (where it is picked
// as a click would pick it); Ctrl+Shift+Up and Down move the selected
// quantity or unit the same way from the keyboard. While the pointer rests at the top or bottom
// edge of the dragged view, the view scrolls by itself (tmrWatch, tmrScroll).
// The drop only decides; the table changes through the table edits.
//
// press, move -> drag starts (tree or list) -> watch ticks -> scroll ticks
//             -> drop on the tree, the list or a value box, or anywhere else
//             -> timers stopped, flags cleared (mStopTimers)

#include "converter/session/drag_rules.h"
#include "converter/table/table_edits.h"
#include "converter/ui/converter_context.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QAbstractItemView;
class QDrag;
class QDropEvent;
class QKeyEvent;
class QMimeData;
class QPixmap;
class QTimer;

namespace quantora {

class ConversionBoxes;
class QuantityViews;

class DragAndDrop : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QuantityViews& views;
        ConversionBoxes& boxes;
        std::function<void(int)> showHint;
        // An open memo names its unit by position: it hands its text over
        // before a move shifts the positions.
        std::function<void()> closeMemo;
    };
    // What a started drag does until it ends: QDrag::exec normally; tests
    // hand their drop events in here.
    using Runner = std::function<void(QDrag&)>;

    DragAndDrop(ConverterContext& context, Parts parts, QObject* parent);
    void setRunner(Runner runner) { m_runner = std::move(runner); }

    enum class Source { None, Tree, List };
    // What is being dragged (the tree-drag and list-drag flags).
    Source source() const { return m_source; }

    // One tick of tmrWatch with the pointer at a global position.
    void watchTick(const QPoint& pointer);
    // One tick of tmrScroll.
    void scrollTick();
    QTimer& watchTimer() const { return *m_watch; }
    QTimer& scrollTimer() const { return *m_scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Target { None, Tree, List, ConvertFrom, ConvertInto };

    void watchView(QAbstractItemView* view);
    Target targetOf(QObject* watched) const;
    void pressed(Target target, const QPoint& pos, Qt::MouseButtons buttons);
    bool moved(Target target, const QPoint& pos, Qt::MouseButtons buttons);
    void startTreeDrag(int node);
    void startListDrag(int row);
    // The drag itself; watched: the pointer watch runs for auto-scroll.
    void run(const QPixmap& picture, bool watched);

    // Whether a drop there would be taken; the drop highlight follows it.
    bool accepts(Target target, const QPoint& pos);
    void drop(Target target, const QPoint& pos);
    // Whether a drop goes ahead; on a sorted view the hint says why not.
    bool goesAhead(DropVerdict verdict, int sortedHint);
    void dropOnTree(int node);
    void dropOnList(std::optional<int> row);
    void moveQuantity(const std::function<EditOutcome(ConversionTable&)>& edit);
    void moveUnit(int unit, int target);
    // Ctrl+Shift+Up or Down in the tree or the list: the selected quantity or
    // unit one place up or down, as a drop would move it. True when taken.
    bool stepKey(Target target, const QKeyEvent& key);
    bool ownsDrag(const QMimeData* data) const;
    void clearHighlight();
    void stopTimers();
    QAbstractItemView* draggedView() const;

    ConverterContext& m_context;
    Parts m_parts;
    Runner m_runner;
    QTimer* m_watch;
    QTimer* m_scroll;
    std::optional<DragWatch> m_watching;
    WatchAction m_direction = WatchAction::None;
    Source m_source = Source::None;
    int m_dragged = 0;  // the node or the unit position dragged
    QPoint m_pressAt;
    Target m_pressIn = Target::None;
    bool m_listArmed = true;  // a double-click disarms list dragging until the next release
    int m_highlightedNode = 0;
};

}  // namespace quantora
