#include "converter/ui/reference_list_view.h"

#include <QCursor>
#include <QDrag>
#include <QDropEvent>

namespace quantora {

ReferenceListView::ReferenceListView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("lvwRef"));
    setAccessibleName(QStringLiteral("Reference values"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    // The row under the pointer is the target, highlighted as a whole.
    setDragDropOverwriteMode(true);
    invisibleRootItem()->setFlags(invisibleRootItem()->flags() & ~Qt::ItemIsDropEnabled);
}

void ReferenceListView::addRow(const QStringList& texts) {
    auto* item = new QTreeWidgetItem(texts);
    // The default columns are narrow: the whole text is a hover away.
    for (int k = 0; k < texts.size(); ++k)
        item->setToolTip(k, texts[k]);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
                   Qt::ItemIsDropEnabled | Qt::ItemNeverHasChildren);
    addTopLevelItem(item);
}

int ReferenceListView::selectedPosition() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : indexOfTopLevelItem(selected.first()) + 1;
}

void ReferenceListView::selectPosition(int position) {
    QTreeWidgetItem* item = topLevelItem(position - 1);
    if (!item)
        return;
    setCurrentItem(item);
    scrollToItem(item);
}

void ReferenceListView::dropSelectedAt(const QPoint& pos) {
    const int dragged = selectedPosition();
    QTreeWidgetItem* target = itemAt(pos);
    if (dragged > 0 && target)
        emit rowDropped(dragged, indexOfTopLevelItem(target) + 1);
}

// Only the name is renamed, whichever column F2 was pressed in.
bool ReferenceListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.column() != 0 && trigger != QAbstractItemView::EditKeyPressed)
        return false;
    return QTreeWidget::edit(index.siblingAtColumn(0), trigger, event);
}

// The view's own drag would remove the dragged row once a move is done;
// here the drop has refilled the list from the table already.
void ReferenceListView::startDrag(Qt::DropActions /*supportedActions*/) {
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    const QRect row = visualItemRect(item);
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData({item}));
    drag->setPixmap(viewport()->grab(QRect(0, row.top(), viewport()->width(), row.height())));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - QPoint(0, row.top()));
    drag->exec(Qt::MoveAction);
}

void ReferenceListView::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    dropSelectedAt(event->position().toPoint());
}

}  // namespace quantora
