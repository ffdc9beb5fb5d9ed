#pragma once
// lvwRef: the quick reference's list. A row's name is renamed in place (F2,
// or a click on the name of the selected row); a row dragged onto another
// row is handed on as a move, never moved by the view itself: the owner
// moves the item in the table and refills the list. A drop beside the rows
// does nothing.

#include <QTreeWidget>

namespace quantora {

class ReferenceListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReferenceListView(QWidget* parent);

    // Adds a row that can be renamed, dragged and dropped onto.
    void addRow(const QStringList& texts);
    // The 1-based position of the selected row, 0 for none (pnSelRefIndex).
    int selectedPosition() const;
    // Selects the row at a 1-based position and scrolls it into view.
    void selectPosition(int position);

    // A name is being edited in place.
    bool editing() const { return state() == EditingState; }

    // The drop of the selected row at a point of the viewport.
    void dropSelectedAt(const QPoint& pos);

signals:
    // Positions 1-based: the row dragged and the row it was dropped on.
    void rowDropped(int dragged, int target);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace quantora
