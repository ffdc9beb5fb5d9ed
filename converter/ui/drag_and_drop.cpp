#include "converter/ui/drag_and_drop.h"

#include "converter/engine/reference_values.h"
#include "converter/settings/hint_texts.h"
#include "converter/table/table_edits.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>

namespace quantora {
namespace {

// What a drag carries: the process it started in. A drag from another
// converter names nodes and units of another table and is never taken.
constexpr char kDragFormat[] = "application/x-quantora-drag";
constexpr int kWatchInterval = DragWatch::kTickMs;
constexpr int kIconSize = 16;
constexpr int kPad = 4;

QByteArray processTag() {
    return QByteArray::number(QCoreApplication::applicationPid());
}

// The icon and the name of what is dragged, on a pale ground.
QPixmap dragPicture(const QIcon& icon, const QString& text, const QWidget& view) {
    const QFontMetrics metrics(view.font());
    const QSize size(kPad + kIconSize + kPad + metrics.horizontalAdvance(text) + kPad,
                     std::max(kIconSize, metrics.height()) + 2 * kPad);
    const qreal ratio = view.devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    QColor ground = view.palette().color(QPalette::Base);
    ground.setAlpha(200);
    picture.fill(ground);
    QPainter painter(&picture);
    painter.setFont(view.font());
    painter.setPen(view.palette().color(QPalette::Text));
    icon.paint(&painter, QRect(kPad, (size.height() - kIconSize) / 2, kIconSize, kIconSize));
    painter.drawText(QRect(2 * kPad + kIconSize, 0, size.width(), size.height()), Qt::AlignVCenter, text);
    return picture;
}

}  // namespace

DragAndDrop::DragAndDrop(ConverterContext& context, Parts parts, QObject* parent)
    : QObject(parent),
      m_context(context),
      m_parts(std::move(parts)),
      m_runner([](QDrag& drag) { drag.exec(Qt::MoveAction); }),
      m_watch(new QTimer(this)),
      m_scroll(new QTimer(this)) {
    m_watch->setObjectName(QStringLiteral("tmrWatch"));
    m_watch->setInterval(kWatchInterval);
    connect(m_watch, &QTimer::timeout, this, [this] { watchTick(QCursor::pos()); });
    m_scroll->setObjectName(QStringLiteral("tmrScroll"));
    connect(m_scroll, &QTimer::timeout, this, &DragAndDrop::scrollTick);

    watchView(&m_parts.views.tree());
    UnitListView& list = m_parts.views.list();
    for (QAbstractItemView* view : list.looks())
        watchView(view);
    connect(&list, &UnitListView::viewCreated, this, &DragAndDrop::watchView);
    for (QLineEdit* box : {&m_parts.boxes.input(), &m_parts.boxes.output()}) {
        box->setAcceptDrops(true);
        box->installEventFilter(this);
    }
}

void DragAndDrop::watchView(QAbstractItemView* view) {
    view->installEventFilter(this);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(this);
}

DragAndDrop::Target DragAndDrop::targetOf(QObject* watched) const {
    QTreeWidget& tree = m_parts.views.tree();
    if (watched == tree.viewport() || watched == &tree)
        return Target::Tree;
    if (watched == &m_parts.boxes.input())
        return Target::ConvertFrom;
    if (watched == &m_parts.boxes.output())
        return Target::ConvertInto;
    for (QAbstractItemView* look : m_parts.views.list().looks()) {
        if (watched == look || watched == look->viewport())
            return Target::List;
    }
    return Target::None;
}

bool DragAndDrop::eventFilter(QObject* watched, QEvent* event) {
    const Target target = targetOf(watched);
    if (target == Target::None)
        return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressed(target, mouse->position().toPoint(), mouse->buttons());
            return false;
        }
        case QEvent::MouseButtonDblClick:
            if (target == Target::List)
                m_listArmed = false;
            return false;
        case QEvent::MouseButtonRelease:
            if (target == Target::List)
                m_listArmed = true;
            m_pressIn = Target::None;
            return false;
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            return moved(target, mouse->position().toPoint(), mouse->buttons());
        }
        case QEvent::KeyPress:
            return (target == Target::Tree || target == Target::List) &&
                   stepKey(target, *static_cast<QKeyEvent*>(event));
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!ownsDrag(drag->mimeData()))
                return false;
            // Entering is always taken, or the moves inside would not come.
            if (accepts(target, drag->position().toPoint()) || event->type() == QEvent::DragEnter)
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::DragLeave:
            clearHighlight();
            return false;
        case QEvent::Drop: {
            auto* dropEvent = static_cast<QDropEvent*>(event);
            if (!ownsDrag(dropEvent->mimeData()))
                return false;
            dropEvent->acceptProposedAction();
            drop(target, dropEvent->position().toPoint());
            return true;
        }
        default:
            return false;
    }
}

void DragAndDrop::pressed(Target target, const QPoint& pos, Qt::MouseButtons buttons) {
    m_pressIn =
        buttons != Qt::NoButton && (target == Target::Tree || target == Target::List) ? target : Target::None;
    m_pressAt = pos;
}

bool DragAndDrop::moved(Target target, const QPoint& pos, Qt::MouseButtons buttons) {
    if (buttons == Qt::NoButton || target != m_pressIn || m_source != Source::None ||
        (pos - m_pressAt).manhattanLength() < QApplication::startDragDistance())
        return false;
    const ConverterSession& session = m_context.session;
    if (target == Target::Tree) {
        const int node = session.selection().node;
        if (!buttons.testFlag(Qt::LeftButton) || session.batchMode() ||
            !treeDragStarts(m_context.table, node, m_context.settings.modify == 1) ||
            m_parts.views.nodeAt(m_pressAt) != node)
            return false;
        startTreeDrag(node);
        return true;
    }
    const std::optional<int> row = m_parts.views.list().rowAt(m_pressAt);
    if (!m_listArmed || !row)
        return false;
    startListDrag(*row);
    return true;
}

void DragAndDrop::startTreeDrag(int node) {
    m_source = Source::Tree;
    m_dragged = node;
    const QTreeWidgetItem* item = m_parts.views.nodeItem(node);
    run(dragPicture(item->icon(0), item->text(0), m_parts.views.tree()), true);
}

void DragAndDrop::startListDrag(int row) {
    UnitListView& list = m_parts.views.list();
    m_parts.views.cancelUnitPopup();
    m_source = Source::List;
    m_dragged = list.unitOfRow(row);
    // The List look flows sideways: it has no top and bottom edge to rest at.
    run(dragPicture(list.iconOfRow(row), list.nameOfRow(row), *list.activeView()),
        list.viewStyle() == ViewStyle::Details);
}

void DragAndDrop::run(const QPixmap& picture, bool watched) {
    if (watched) {
        m_watching.emplace(m_context.settings.scrollDownDelay, m_context.settings.showHintDelay);
        m_watch->start();
    }
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kDragFormat), processTag());
    QPointer<QDrag> drag = new QDrag(draggedView()->viewport());
    drag->setMimeData(data);
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(kPad + kIconSize / 2, picture.deviceIndependentSize().toSize().height() / 2));
    m_runner(*drag);
    if (drag)
        drag->deleteLater();
    clearHighlight();
    stopTimers();
    m_source = Source::None;
    m_dragged = 0;
    m_pressIn = Target::None;
}

bool DragAndDrop::ownsDrag(const QMimeData* data) const {
    return m_source != Source::None && data && data->data(QString::fromLatin1(kDragFormat)) == processTag();
}

QAbstractItemView* DragAndDrop::draggedView() const {
    if (m_source == Source::Tree)
        return &m_parts.views.tree();
    return m_parts.views.list().activeView();
}

void DragAndDrop::watchTick(const QPoint& pointer) {
    QAbstractItemView* view = draggedView();
    if (!m_watching || m_source == Source::None) {
        m_watch->stop();
        return;
    }
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    const auto* table = qobject_cast<const QTableView*>(view);
    // The edge bands are as tall as the list's header.
    const int band = table ? table->horizontalHeader()->height() : view->fontMetrics().height() + 2 * kPad;
    const PaneRect pane{origin.x(), origin.y(), origin.x() + view->width(), origin.y() + view->height(),
                        band};
    const bool tree = m_source == Source::Tree;
    const bool sorted = tree ? m_context.settings.sortGroup : m_context.settings.sortUnit;
    const WatchAction action = m_watching->tick(edgeBandAt(pane, pointer.x(), pointer.y()), sorted);
    switch (action) {
        case WatchAction::None:
            return;
        case WatchAction::Expired:
            m_watch->stop();
            return;
        case WatchAction::StopScroll:
            m_scroll->stop();
            m_direction = WatchAction::None;
            return;
        case WatchAction::ScrollUp:
        case WatchAction::ScrollDown:
            m_direction = action;
            if (!m_scroll->isActive()) {
                m_scroll->setInterval(m_context.settings.scrollTimerInterval);
                m_scroll->start();
            }
            return;
        case WatchAction::EndSorted:
            // A sorted view cannot be reordered: the drag ends and says why;
            // whatever it passes over from now on refuses it.
            m_source = Source::None;
            stopTimers();
            clearHighlight();
            m_parts.showHint(tree ? kSortedTreeScrollHint : kSortedListScrollHint);
            return;
    }
}

void DragAndDrop::scrollTick() {
    if (m_source == Source::None || m_direction == WatchAction::None) {
        m_scroll->stop();
        return;
    }
    QScrollBar* bar = draggedView()->verticalScrollBar();
    const ScrollStep step = scrollStep(bar->value(), m_direction, bar->maximum(), bar->singleStep());
    bar->setValue(step.position);
    if (step.stop) {
        m_scroll->stop();
        m_direction = WatchAction::None;
    }
}

void DragAndDrop::stopTimers() {
    m_watch->stop();
    m_scroll->stop();
    m_direction = WatchAction::None;
    m_watching.reset();
}

bool DragAndDrop::accepts(Target target, const QPoint& pos) {
    const ConverterSession& session = m_context.session;
    const ConverterSettings& settings = m_context.settings;
    clearHighlight();
    switch (target) {
        case Target::Tree: {
            const int node = m_parts.views.nodeAt(pos);
            if (m_source != Source::Tree ||
                treeDropVerdict(m_context.table, settings.sortGroup, m_dragged, node) == DropVerdict::Refuse)
                return false;
            m_highlightedNode = node;
            QColor color = m_parts.views.tree().palette().color(QPalette::Highlight);
            color.setAlpha(96);
            m_parts.views.nodeItem(node)->setBackground(0, color);
            return true;
        }
        case Target::List: {
            UnitListView& list = m_parts.views.list();
            const std::optional<int> row = list.rowAt(pos);
            const int unit = row ? list.unitOfRow(*row) : 0;
            if (m_source != Source::List || listDropVerdict(settings.sortUnit, settings.modify == 1,
                                                            m_dragged, unit) == DropVerdict::Refuse)
                return false;
            list.setDropTarget(row);
            return true;
        }
        case Target::ConvertFrom:
            return m_source == Source::List && session.unitsPickable() && !session.batchMode();
        case Target::ConvertInto:
            return m_source == Source::List && session.unitsPickable();
        case Target::None:
            return false;
    }
    return false;
}

void DragAndDrop::clearHighlight() {
    if (QTreeWidgetItem* item = m_parts.views.nodeItem(m_highlightedNode))
        item->setData(0, Qt::BackgroundRole, QVariant());
    m_highlightedNode = 0;
    m_parts.views.list().setDropTarget(std::nullopt);
}

void DragAndDrop::drop(Target target, const QPoint& pos) {
    const bool accepted = accepts(target, pos);
    clearHighlight();
    stopTimers();
    switch (target) {
        case Target::Tree:
            if (m_source == Source::Tree)
                dropOnTree(m_parts.views.nodeAt(pos));
            return;
        case Target::List:
            if (m_source == Source::List)
                dropOnList(m_parts.views.list().rowAt(pos));
            return;
        case Target::ConvertFrom:
        case Target::ConvertInto:
            if (accepted)
                m_parts.views.pickUnit(m_dragged, target == Target::ConvertInto);
            return;
        case Target::None:
            return;
    }
}

bool DragAndDrop::goesAhead(DropVerdict verdict, int sortedHint) {
    if (verdict == DropVerdict::SortedHint)
        m_parts.showHint(sortedHint);
    return verdict == DropVerdict::Move;
}

void DragAndDrop::dropOnTree(int node) {
    if (goesAhead(treeDropVerdict(m_context.table, m_context.settings.sortGroup, m_dragged, node),
                  kSortedTreeMoveHint))
        moveQuantity([&](ConversionTable& table) { return insertTreeItem(table, m_dragged, node); });
}

void DragAndDrop::dropOnList(std::optional<int> row) {
    const int unit = row ? m_parts.views.list().unitOfRow(*row) : 0;
    moveUnit(m_dragged, unit);
}

void DragAndDrop::moveQuantity(const std::function<EditOutcome(ConversionTable&)>& edit) {
    // The expanded states are kept by node, and the nodes are about to move.
    m_parts.views.preserveTree();
    const EditOutcome outcome = edit(m_context.table);
    if (outcome)
        m_parts.views.showNode(outcome.value());
}

void DragAndDrop::moveUnit(int unit, int target) {
    const ConverterSettings& settings = m_context.settings;
    if (!goesAhead(listDropVerdict(settings.sortUnit, settings.modify == 1, unit, target),
                   kSortedListMoveHint))
        return;
    m_parts.closeMemo();
    ConverterSession& session = m_context.session;
    const EditOutcome outcome =
        quantora::moveUnit(m_context.table, session.selection().quantity, unit, target);
    if (!outcome)
        return;
    session.unitMoved(unit, target);
    m_parts.views.refillList(outcome.value());
}

bool DragAndDrop::stepKey(Target target, const QKeyEvent& key) {
    const bool up = key.key() == Qt::Key_Up;
    if (key.modifiers() != (Qt::ControlModifier | Qt::ShiftModifier) || (!up && key.key() != Qt::Key_Down))
        return false;
    const ConverterSession& session = m_context.session;
    if (target == Target::Tree) {
        const int node = m_parts.views.currentNode();
        if (session.batchMode() || !treeDragStarts(m_context.table, node, m_context.settings.modify == 1))
            return true;
        if (m_context.settings.sortGroup)
            m_parts.showHint(kSortedTreeMoveHint);
        else
            moveQuantity([&](ConversionTable& table) { return stepTreeItem(table, node, up); });
        return true;
    }
    UnitListView& list = m_parts.views.list();
    const std::optional<int> row = list.currentRow();
    if (!row)
        return true;
    const int unit = list.unitOfRow(*row);
    const int count = list.itemCount();
    const int next = up ? unit - 1 : unit + 1;
    moveUnit(unit, next >= 1 && next <= count ? next : 0);
    return true;
}

}  // namespace quantora
