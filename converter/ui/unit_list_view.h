#pragma once
// ListView1: the unit list in two looks over one model - Details (View 3, a
// table with four titled columns and optional grid lines) and List (View 2,
// names only, flowing in columns). Rows remember the unit position they show,
// so a sorted list still picks the unit that was clicked.

#include "converter/settings/list_columns.h"
#include "converter/table/view_plan.h"

#include <QPersistentModelIndex>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QAbstractItemDelegate;
class QAbstractItemView;
class QListView;
class QSortFilterProxyModel;
class QStackedLayout;
class QStandardItemModel;
class QTableView;

namespace quantora {

class IconSet;

class UnitListView : public QWidget {
    Q_OBJECT
public:
    UnitListView(const IconSet& icons, QWidget* parent);

    // Removes the items and the columns, then adds four columns (widths in pixels).
    void setColumns(const std::array<ColumnHeader, 4>& headers, const std::array<int, 4>& widths);
    std::array<int, 4> columnWidths() const;
    void clearItems();
    void fill(const std::vector<UnitRowPlan>& rows);
    int itemCount() const;

    // View 2 list, 3 details; other values leave the look as it is.
    void setViewStyle(ViewStyle view);
    ViewStyle viewStyle() const { return m_view; }
    void setGridLines(bool on);
    bool gridLines() const;
    void setSorted(bool sorted);
    // A click on the first column header: descending first, then ascending, ...
    void toggleSortDirection();

    // The looks made so far (Details, and List once asked for); their
    // headers are no looks.
    std::vector<QAbstractItemView*> looks() const;
    // The view that is shown and its viewport, where clicks land.
    QAbstractItemView* activeView() const;
    QWidget* activeViewport() const;
    // Row under a viewport position; nothing over the empty area.
    std::optional<int> rowAt(const QPoint& viewportPos) const;
    // Where row (in display order) is drawn, in viewport coordinates.
    QRect rowRect(int row) const;
    int unitOfRow(int row) const;
    QString nameOfRow(int row) const;
    QIcon iconOfRow(int row) const;
    // The row a drag would drop on, drawn highlighted; none clears it.
    void setDropTarget(std::optional<int> row);
    std::optional<int> currentRow() const;
    void selectRow(int row);
    // The row showing unit position unit, if any.
    std::optional<int> rowOfUnit(int unit) const;
    static int unitOfIndex(const QModelIndex& index);
    // The name shown for unit position unit.
    void setUnitName(int unit, const QString& name);

    // The unit names' editor, in both looks; renaming starts on a click on
    // the selected row only while armed.
    void setNameDelegate(QAbstractItemDelegate* delegate);
    void setRenameArmed(bool armed);

signals:
    void firstColumnClicked();
    // A look's view made after construction, for those who watch its events.
    void viewCreated(QAbstractItemView* view);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitRowHeight();
    // The List look is made the first time it is asked for.
    QListView& listLook();

    QStandardItemModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_details;
    QListView* m_list = nullptr;
    QStackedLayout* m_stack;
    const IconSet& m_icons;
    ViewStyle m_view = ViewStyle::Details;
    bool m_sortingOn = false;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    bool m_orderToggled = false;
    QAbstractItemDelegate* m_nameDelegate = nullptr;
    bool m_renameArmed = false;
    QPersistentModelIndex m_dropTarget;
};

}  // namespace quantora
