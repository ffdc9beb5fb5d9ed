#include "converter/ui/unit_list_view.h"

#include "converter/ui/icon_set.h"
#include "converter/ui/name_order.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace quantora {
namespace {

constexpr char kUnitsDescription[] =
    "Shift+Enter or a left click: convert from this unit; Enter or a right click: convert into it";

constexpr int kUnitRole = Qt::UserRole + 1;

// Choosing a row must not scroll the unit names out of sight: a click on a
// memo cell keeps the list where it is sideways.
class RowTable : public QTableView {
public:
    using QTableView::QTableView;
    void scrollTo(const QModelIndex& index, ScrollHint hint) override {
        const int x = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(x);
    }
};

// Sorted by the names as shown, numbers read as numbers.
class NameOrderProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
    }

private:
    QCollator m_collator = nameCollator();
};

}  // namespace

UnitListView::UnitListView(const IconSet& icons, QWidget* parent)
    : QWidget(parent),
      m_model(new QStandardItemModel(0, 4, this)),
      m_sorted(new NameOrderProxy(this)),
      m_details(new RowTable(this)),
      m_stack(new QStackedLayout(this)),
      m_icons(icons) {
    setObjectName(QStringLiteral("ListView1"));
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    // Sorted on request (setSorted, toggleSortDirection), not on every row added.
    m_sorted->setDynamicSortFilter(false);

    m_details->setObjectName(QStringLiteral("ListView1Details"));
    m_details->setAccessibleName(QStringLiteral("Units"));
    m_details->setAccessibleDescription(QString::fromLatin1(kUnitsDescription));
    m_details->setModel(m_sorted);
    m_details->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_details->setSelectionMode(QAbstractItemView::SingleSelection);
    m_details->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_details->setWordWrap(false);
    m_details->setIconSize(QSize(16, 16));
    m_details->verticalHeader()->hide();
    m_details->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_details->horizontalHeader()->setHighlightSections(false);
    m_details->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_details->horizontalHeader()->setSectionsClickable(true);
    // The last column takes what the others leave; a double-click on a
    // divider fits the column before it to its content.
    m_details->horizontalHeader()->setStretchLastSection(true);
    // The narrowest column the settings allow: 240 twips.
    m_details->horizontalHeader()->setMinimumSectionSize(16);
    m_details->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_details->setTabKeyNavigation(false);
    connect(m_details->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == 0)
            emit firstColumnClicked();
    });

    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_details);
    m_stack->setCurrentWidget(m_details);
    setFocusProxy(m_details);
    setGridLines(false);
    fitRowHeight();
}

void UnitListView::setColumns(const std::array<ColumnHeader, 4>& headers, const std::array<int, 4>& widths) {
    clearItems();
    m_model->setColumnCount(0);
    m_model->setColumnCount(4);
    for (int k = 0; k < 4; ++k) {
        m_model->setHorizontalHeaderItem(
            k, new QStandardItem(QString::fromStdString(headers[static_cast<std::size_t>(k)].text)));
        m_details->setColumnWidth(k, widths[static_cast<std::size_t>(k)]);
    }
}

QListView& UnitListView::listLook() {
    if (m_list)
        return *m_list;
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("ListView1List"));
    m_list->setAccessibleName(QStringLiteral("Units"));
    m_list->setAccessibleDescription(QString::fromLatin1(kUnitsDescription));
    m_list->setModel(m_sorted);
    m_list->setSelectionModel(m_details->selectionModel());
    m_list->setModelColumn(0);
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSpacing(1);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setIconSize(QSize(16, 16));
    if (m_nameDelegate)
        m_list->setItemDelegate(m_nameDelegate);
    setRenameArmed(m_renameArmed);

    m_stack->addWidget(m_list);
    emit viewCreated(m_list);
    return *m_list;
}

std::array<int, 4> UnitListView::columnWidths() const {
    std::array<int, 4> widths{};
    for (int k = 0; k < 4; ++k)
        widths[static_cast<std::size_t>(k)] = m_details->columnWidth(k);
    return widths;
}

void UnitListView::clearItems() {
    m_model->removeRows(0, m_model->rowCount());
}

void UnitListView::fill(const std::vector<UnitRowPlan>& rows) {
    for (const UnitRowPlan& row : rows) {
        QList<QStandardItem*> items;
        items.reserve(4);
        items << new QStandardItem(m_icons.unitImage(row.image), QString::fromStdString(row.name));
        items.front()->setData(row.unit, kUnitRole);
        // Only the name can be renamed in place.
        for (const std::string& text : row.subItems) {
            auto* item = new QStandardItem(QString::fromStdString(text));
            item->setEditable(false);
            items << item;
        }
        m_model->appendRow(items);
    }
}

void UnitListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitRowHeight();
    QWidget::changeEvent(event);
}

void UnitListView::fitRowHeight() {
    const int rowHeight = std::max(fontMetrics().height(), 16) + 4;
    m_details->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_details->verticalHeader()->setDefaultSectionSize(rowHeight);
}

int UnitListView::itemCount() const {
    return m_model->rowCount();
}

void UnitListView::setViewStyle(ViewStyle view) {
    const bool hadFocus = activeView()->hasFocus();
    m_view = view;
    m_stack->setCurrentWidget(view == ViewStyle::Details ? static_cast<QWidget*>(m_details)
                                                         : static_cast<QWidget*>(&listLook()));
    setFocusProxy(activeView());
    if (hadFocus)
        activeView()->setFocus();
}

void UnitListView::setGridLines(bool on) {
    m_details->setShowGrid(on);
}

bool UnitListView::gridLines() const {
    return m_details->showGrid();
}

void UnitListView::setSorted(bool sorted) {
    m_sortingOn = sorted;
    m_sorted->sort(sorted ? 0 : -1, m_order);
}

void UnitListView::toggleSortDirection() {
    // The first toggle after start-up gives descending order.
    m_order = m_orderToggled && m_order == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_orderToggled = true;
    if (m_sortingOn)
        m_sorted->sort(0, m_order);
}

std::vector<QAbstractItemView*> UnitListView::looks() const {
    std::vector<QAbstractItemView*> views{m_details};
    if (m_list)
        views.push_back(m_list);
    return views;
}

QAbstractItemView* UnitListView::activeView() const {
    return m_view == ViewStyle::List ? static_cast<QAbstractItemView*>(m_list)
                                     : static_cast<QAbstractItemView*>(m_details);
}

QWidget* UnitListView::activeViewport() const {
    return activeView()->viewport();
}

std::optional<int> UnitListView::rowAt(const QPoint& viewportPos) const {
    const QModelIndex index = activeView()->indexAt(viewportPos);
    if (!index.isValid())
        return std::nullopt;
    return index.row();
}

QRect UnitListView::rowRect(int row) const {
    return activeView()->visualRect(m_sorted->index(row, 0));
}

int UnitListView::unitOfRow(int row) const {
    return m_sorted->index(row, 0).data(kUnitRole).toInt();
}

QString UnitListView::nameOfRow(int row) const {
    return m_sorted->index(row, 0).data(Qt::DisplayRole).toString();
}

QIcon UnitListView::iconOfRow(int row) const {
    return m_sorted->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
}

void UnitListView::setDropTarget(std::optional<int> row) {
    const QModelIndex target = row ? m_sorted->index(*row, 0) : QModelIndex();
    if (target == m_dropTarget)
        return;
    const auto paint = [this](const QModelIndex& index, const QVariant& brush) {
        for (int k = 0; k < m_sorted->columnCount(); ++k)
            m_sorted->setData(index.siblingAtColumn(k), brush, Qt::BackgroundRole);
    };
    if (m_dropTarget.isValid())
        paint(m_dropTarget, QVariant());
    m_dropTarget = target;
    if (target.isValid()) {
        QColor color = palette().color(QPalette::Highlight);
        color.setAlpha(96);
        paint(target, QBrush(color));
    }
}

std::optional<int> UnitListView::currentRow() const {
    const QModelIndex index = m_details->selectionModel()->currentIndex();
    if (!index.isValid())
        return std::nullopt;
    return index.row();
}

void UnitListView::selectRow(int row) {
    const QModelIndex index = m_sorted->index(row, 0);
    if (!index.isValid())
        return;
    m_details->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    activeView()->scrollTo(index);
}

std::optional<int> UnitListView::rowOfUnit(int unit) const {
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        if (unitOfRow(row) == unit)
            return row;
    }
    return std::nullopt;
}

void UnitListView::setUnitName(int unit, const QString& name) {
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem* item = m_model->item(row, 0);
        if (item->data(kUnitRole).toInt() == unit)
            item->setText(name);
    }
}

int UnitListView::unitOfIndex(const QModelIndex& index) {
    return index.siblingAtColumn(0).data(kUnitRole).toInt();
}

void UnitListView::setNameDelegate(QAbstractItemDelegate* delegate) {
    m_nameDelegate = delegate;
    m_details->setItemDelegateForColumn(0, delegate);
    if (m_list)
        m_list->setItemDelegate(delegate);
}

void UnitListView::setRenameArmed(bool armed) {
    m_renameArmed = armed;
    const auto triggers = armed ? QAbstractItemView::SelectedClicked : QAbstractItemView::NoEditTriggers;
    m_details->setEditTriggers(triggers);
    if (m_list)
        m_list->setEditTriggers(triggers);
}

}  // namespace quantora
