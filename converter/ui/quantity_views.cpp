#include "converter/ui/quantity_views.h"

#include "common/text_rules.h"
#include "converter/settings/command_state.h"
#include "converter/settings/list_columns.h"
#include "converter/table/node_status.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/icon_set.h"
#include "converter/ui/main_actions.h"
#include "converter/ui/name_order.h"
#include "converter/ui/rename_in_place.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

namespace quantora {
namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kDelayInterval = 100;

int nodeOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kNodeRole).toInt() : 0;
}

}  // namespace

QuantityViews::QuantityViews(ConverterContext& context, QWidget& window, QWidget& area, const IconSet& icons,
                             MainActions& actions, ConversionBoxes& boxes)
    : m_context(context),
      m_window(window),
      m_icons(icons),
      m_actions(actions),
      m_boxes(boxes),
      m_tree(new QTreeWidget(&area)),
      m_list(new UnitListView(icons, &area)),
      m_delay(new QTimer(&window)),
      m_rename(new RenameInPlace(*m_tree, *m_list, this)) {
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setAccessibleName(QStringLiteral("Physical quantities"));
    m_tree->setAccessibleDescription(
        QStringLiteral("Categories and their quantities; a quantity lists its units"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->viewport()->installEventFilter(this);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemExpanded, this, &QuantityViews::updateNodeIcon);
    connect(m_tree, &QTreeWidget::itemCollapsed, this, &QuantityViews::updateNodeIcon);

    const auto watch = [this](QAbstractItemView* view) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    };
    for (QAbstractItemView* view : m_list->looks())
        watch(view);
    connect(m_list, &UnitListView::viewCreated, this, watch);
    connect(m_list, &UnitListView::firstColumnClicked, m_list, &UnitListView::toggleSortDirection);

    m_delay->setObjectName(QStringLiteral("tmrDelay"));
    m_delay->setInterval(kDelayInterval);
    connect(m_delay, &QTimer::timeout, this, &QuantityViews::delayTick);
    // Typing a value right after a right click is a normal action too: the
    // pending unit pop-up must not open in the middle and take the keys.
    boxes.input().installEventFilter(this);
    // The empty area's pop-up hides the memo items; Ctrl+M needs them back.
    connect(actions.menu(MenuId::EditUnit), &QMenu::aboutToHide, this, [this] {
        for (int i : {0, 1})
            m_actions.item(MenuId::ShowMemo, i)->setVisible(true);
    });
}

void QuantityViews::updateTreeView() {
    m_tree->clear();
    m_nodes.assign(1, nullptr);
    m_categoryIcons.assign(1, 0);
    const std::vector<TreeNodePlan> plan = treePlan(m_context.table);
    // Built detached and attached once: one model update for the whole tree.
    for (const TreeNodePlan& node : plan) {
        auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(node.text)));
        item->setData(0, kNodeRole, node.index);
        if (node.index != 1)
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setIcon(0, node.index == 1 ? m_icons.root(false) : m_icons.treeImage(node.image));
        if (node.parent > 0 && node.parent < static_cast<int>(m_nodes.size()))
            m_nodes[static_cast<std::size_t>(node.parent)]->addChild(item);
        m_nodes.push_back(item);
        if (m_context.table.kindOf(node.index) == NodeKind::Category)
            m_categoryIcons.push_back(node.image);
    }
    if (m_nodes.size() < 2)
        return;
    m_tree->addTopLevelItem(m_nodes[1]);
    for (const TreeNodePlan& node : plan) {
        if (node.expanded)
            m_nodes[static_cast<std::size_t>(node.index)]->setExpanded(true);
    }
    if (m_context.settings.sortGroup)
        sortCategories();
}

void QuantityViews::sortCategories() {
    const QCollator collator = nameCollator();
    for (int c = 1; c <= m_context.table.categoryCount && c + 1 < static_cast<int>(m_nodes.size()); ++c)
        sortChildrenByName(*m_nodes[static_cast<std::size_t>(c + 1)], collator);
}

void QuantityViews::toggleTreeSort() {
    preserveTreeNodeStatus(m_context.table, expandedQuery());
    ConverterSettings& settings = m_context.settings;
    settings.sortGroup = !settings.sortGroup;
    if (settings.sortGroup)
        sortCategories();
    else
        updateTreeView();
    m_actions.setSortMarks(settings.sortGroup, settings.sortUnit);
    selectNode(m_context.session.selection().node);
}

void QuantityViews::toggleListSort() {
    ConverterSettings& settings = m_context.settings;
    settings.sortUnit = !settings.sortUnit;
    if (!settings.sortUnit) {
        m_list->clearItems();
        updateListView(m_context.session.selection().quantityName);
    } else {
        m_list->setSorted(true);
    }
    m_actions.setSortMarks(settings.sortGroup, settings.sortUnit);
}

void QuantityViews::updateNodeIcon(QTreeWidgetItem* item) {
    const int node = nodeOf(item);
    if (node == 1) {
        item->setIcon(0, m_icons.root(item->isExpanded()));
    } else if (node >= 2 && node < static_cast<int>(m_categoryIcons.size()) + 1) {
        const int icon = m_categoryIcons[static_cast<std::size_t>(node - 1)];
        item->setIcon(0, m_icons.treeImage(icon + (item->isExpanded() ? kTreeOpenOffset : 0)));
    }
}

void QuantityViews::setRootText(const QString& text) {
    if (m_nodes.size() > 1)
        m_nodes[1]->setText(0, text);
}

void QuantityViews::setNodeText(int node, const QString& text) {
    if (node >= 1 && node < static_cast<int>(m_nodes.size()))
        m_nodes[static_cast<std::size_t>(node)]->setText(0, text);
}

void QuantityViews::selectNode(int node) {
    QTreeWidgetItem* item = nodeItem(node);
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
}

std::optional<bool> QuantityViews::isNodeExpanded(int node) const {
    if (node < 1 || node >= static_cast<int>(m_nodes.size()))
        return std::nullopt;
    return m_nodes[static_cast<std::size_t>(node)]->isExpanded();
}

NodeExpandedQuery QuantityViews::expandedQuery() const {
    return [this](int node) { return isNodeExpanded(node); };
}

int QuantityViews::expandedCategoryCount() const {
    int count = 0;
    for (int c = 1; c <= m_context.table.categoryCount; ++c) {
        if (isNodeExpanded(c + 1).value_or(false))
            ++count;
    }
    return count;
}

void QuantityViews::setListMode() {
    const ListModeChoice choice = quantora::setListMode(m_context.session.selection().node,
                                                        m_context.table.categoryCount, m_normalColumns);
    if (choice.setUpColumns) {
        const std::array<ColumnHeader, 4> headers =
            setColumnHeaders(m_context.settings, static_cast<int>(choice.mode));
        std::array<int, 4> widths{};
        for (std::size_t k = 0; k < widths.size(); ++k)
            widths[k] = m_context.toPixelsX(headers[k].width);
        m_list->setColumns(headers, widths);
    }
    m_listMode = choice.mode;
    m_normalColumns = choice.normalColumns;
}

void QuantityViews::updateListView(const std::string& quantityName) {
    const int q = m_context.table.quantityIndexOf(quantityName);
    m_list->clearItems();
    if (q < 0)
        return;
    m_list->fill(unitRows(m_context.table, q));
    m_list->setSorted(m_context.settings.sortUnit);
}

void QuantityViews::clearList() {
    m_list->clearItems();
}

void QuantityViews::setViewStyle(ViewStyle view) {
    m_list->setViewStyle(view);
}

void QuantityViews::setMainCaption() {
    const std::string& name = m_context.session.selection().quantityName;
    const QString title = QString::fromLatin1(kCaptionTitle);
    m_window.setWindowTitle(common::trimBlanks(name).empty()
                                ? title
                                : QString::fromStdString(name) + QStringLiteral(" - ") + title);
}

std::array<float, 4> QuantityViews::liveColumnWidths() const {
    const std::array<int, 4> pixels = m_list->columnWidths();
    std::array<float, 4> twips{};
    for (std::size_t k = 0; k < twips.size(); ++k)
        twips[k] = m_context.toTwipsX(pixels[k]);
    return twips;
}

void QuantityViews::storeColumnWidths() {
    m_context.settings.headerWidth[static_cast<std::size_t>(m_listMode)] = liveColumnWidths();
}

void QuantityViews::showSavedSelection() {
    const Selection& selection = m_context.session.selection();
    if (selection.node >= 2)
        selectNode(selection.node);
    setMainCaption();
    updateListView(selection.quantityName);
}

// Selecting a node: any mouse button in the tree.
void QuantityViews::nodePressed(QTreeWidgetItem* item, Qt::MouseButton button, const QPoint& globalPos) {
    if (m_context.session.batchMode()) {
        selectNode(m_context.session.selection().node);
        return;
    }
    preserveTreeNodeStatus(m_context.table, expandedQuery());
    storeColumnWidths();
    m_rename->setAllowed(m_context.settings.modify == 1);
    m_rename->nodePressed(nodeOf(item));
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    chooseNode(nodeOf(item), false);
    if (button == Qt::RightButton && m_context.settings.modify == 1)
        showTreePopup(nodeOf(item), globalPos);
}

// Enter in the tree chooses the highlighted node.
void QuantityViews::nodeEntered() {
    if (m_context.session.batchMode()) {
        selectNode(m_context.session.selection().node);
        return;
    }
    if (QTreeWidgetItem* item = m_tree->currentItem())
        chooseNode(nodeOf(item), true);
}

void QuantityViews::chooseNode(int node, bool selectFirstUnit) {
    const std::optional<SessionChange> change = m_context.session.chooseNode(node);
    if (!change)
        return;
    setListMode();
    if (!change->quantityChanged)
        return;
    updateListView(m_context.session.selection().quantityName);
    // The unit pressed before belongs to the quantity left.
    m_actions.setAvailable(m_actions.item(EditItem::CopyUnit), false);
    if (selectFirstUnit && m_list->itemCount() > 0)
        m_list->selectRow(0);
    setMainCaption();
    m_boxes.apply(*change);
}

void QuantityViews::listPressed(const QPoint& viewportPos, Qt::MouseButton button, const QPoint& globalPos) {
    const std::optional<int> row = m_list->rowAt(viewportPos);
    m_pressedUnit = row ? std::optional<int>(m_list->unitOfRow(*row)) : std::nullopt;
    m_rename->setAllowed(m_context.settings.modify == 1);
    m_rename->unitPressed(m_pressedUnit);
    QAction* copyUnit = m_actions.item(EditItem::CopyUnit);
    if (!row) {
        m_actions.setAvailable(copyUnit, false);
        // A unit added from here goes to the end.
        m_context.session.pressUnit(m_list->itemCount());
        const NodeKind kind = m_context.table.kindOf(m_context.session.selection().node);
        const bool quantityNode =
            kind == NodeKind::NumberSystem || kind == NodeKind::Constants || kind == NodeKind::Quantity;
        if (button == Qt::RightButton && quantityNode && m_context.settings.modify == 1) {
            prepareUnitPopup(false);
            m_actions.menu(MenuId::EditUnit)->popup(globalPos);
        }
        return;
    }
    m_actions.setAvailable(copyUnit, true);
    m_context.session.pressUnit(*m_pressedUnit);
    if (button == Qt::RightButton) {
        prepareUnitPopup(true);
        m_popupPos = globalPos;
        m_delayTicks = 0;
        m_delay->start();
    } else {
        m_delay->stop();
    }
}

void QuantityViews::listReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (!m_pressedUnit)
        return;
    ConverterSession& session = m_context.session;
    if (button == Qt::LeftButton || button == Qt::RightButton)
        pickUnit(*m_pressedUnit, button == Qt::RightButton);
    if (button == Qt::LeftButton && modifiers.testFlag(Qt::ShiftModifier) && session.unitsPickable() &&
        !session.batchMode())
        emit memoWanted();
}

void QuantityViews::pickUnit(int unit, bool into) {
    ConverterSession& session = m_context.session;
    const SessionChange change = into ? session.pickInto(unit) : session.pickFrom(unit);
    m_boxes.apply(change);
    afterPick(change);
}

void QuantityViews::cancelUnitPopup() {
    m_delay->stop();
}

int QuantityViews::nodeAt(const QPoint& viewportPos) const {
    return nodeOf(m_tree->itemAt(viewportPos));
}

int QuantityViews::currentNode() const {
    return nodeOf(m_tree->currentItem());
}

QTreeWidgetItem* QuantityViews::nodeItem(int node) const {
    return node >= 1 && node < static_cast<int>(m_nodes.size()) ? m_nodes[static_cast<std::size_t>(node)]
                                                                : nullptr;
}

void QuantityViews::listKey(bool shift) {
    const std::optional<int> row = m_list->currentRow();
    ConverterSession& session = m_context.session;
    if (!row || !session.unitsPickable())
        return;
    const int unit = m_list->unitOfRow(*row);
    if (shift) {
        const SessionChange change = session.pickFrom(unit);
        if (change.unitsChanged)
            m_actions.setAvailable(m_actions.item(EditItem::CopyUnit), true);
        m_boxes.apply(change);
        return;
    }
    const SessionChange change = session.pickInto(unit);
    m_boxes.apply(change);
    afterPick(change);
}

// After a click or Enter the value can be typed at once; a batch run waits
// for its units instead.
void QuantityViews::afterPick(const SessionChange& change) {
    if (change.unitsChanged && !m_context.session.batchMode())
        m_boxes.focusInputAtStart();
    else if (change.unitsChanged)
        emit batchUnitPicked();
}

void QuantityViews::prepareUnitPopup(bool onItem) {
    const UnitPopupState state = unitPopup(m_context.table.kindOf(m_context.session.selection().node), onItem,
                                           m_context.settings.modify == 1);
    MainActions& a = m_actions;
    for (int i : {0, 1})
        a.item(MenuId::ShowMemo, i)->setVisible(state.memoVisible);
    a.item(UnitPopupItem::Copy)->setVisible(state.copyVisible);
    a.item(UnitPopupItem::CopySeparator)->setVisible(state.copySeparatorVisible);
    a.item(UnitPopupItem::Insert)->setText(QString::fromStdString(state.insertCaption));
    a.setAvailable(a.item(UnitPopupItem::Insert), state.insertEnabled);
    a.setAvailable(a.item(UnitPopupItem::Delete), state.deleteEnabled);
    a.setAvailable(a.item(UnitPopupItem::Properties), state.propertiesEnabled);
}

void QuantityViews::delayTick() {
    ++m_delayTicks;
    if (m_delayTicks * kDelayInterval < m_context.settings.showMenuDelay)
        return;
    m_delayTicks = 0;
    m_delay->stop();
    m_actions.menu(MenuId::EditUnit)->popup(m_popupPos);
}

void QuantityViews::showTreePopup(int node, const QPoint& globalPos) {
    const std::optional<TreePopupState> state = treePopup(m_context.table.kindOf(node), node);
    if (!state)
        return;
    MainActions& a = m_actions;
    const bool categoryMenu = state->menu == TreePopupMenu::Category;
    const MenuId menu = categoryMenu ? MenuId::EditCategory : MenuId::EditGroup;
    QAction* first = a.item(menu, 0);
    first->setText(QString::fromStdString(state->firstCaption));
    a.setAvailable(first, state->firstEnabled);
    a.setAvailable(a.item(menu, static_cast<int>(CategoryItem::Delete)), state->deleteEnabled);
    a.setAvailable(a.item(menu, static_cast<int>(CategoryItem::Properties)), state->propertiesEnabled);
    a.menu(menu)->popup(globalPos);
}

void QuantityViews::preserveTree() {
    preserveTreeNodeStatus(m_context.table, expandedQuery());
}

void QuantityViews::showNode(int node) {
    updateTreeView();
    selectNode(node);
    chooseNode(node, false);
    setMainCaption();
}

void QuantityViews::showFound(int node, int unit) {
    if (m_context.session.batchMode())
        return;
    preserveTreeNodeStatus(m_context.table, expandedQuery());
    storeColumnWidths();
    selectNode(node);
    chooseNode(node, false);
    if (unit < 1)
        return;
    updateListView(m_context.session.selection().quantityName);
    m_list->activeView()->setFocus();
    if (const std::optional<int> row = m_list->rowOfUnit(unit)) {
        m_list->selectRow(*row);
        m_context.session.pressUnit(unit);
    }
}

void QuantityViews::refillList(int unit) {
    updateListView(m_context.session.selection().quantityName);
    if (const std::optional<int> row = m_list->rowOfUnit(unit))
        m_list->selectRow(*row);
}

void QuantityViews::resetColumns() {
    storeColumnWidths();
    const std::array<ColumnHeader, 4> headers =
        setColumnHeaders(m_context.settings, static_cast<int>(m_listMode));
    std::array<int, 4> widths{};
    for (std::size_t k = 0; k < widths.size(); ++k)
        widths[k] = m_context.toPixelsX(headers[k].width);
    m_list->setColumns(headers, widths);
}

bool QuantityViews::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &m_boxes.input()) {
        if (type == QEvent::KeyPress)
            m_delay->stop();
        return false;
    }
    if (watched == m_tree->viewport() && type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        QTreeWidgetItem* item = m_tree->itemAt(pos);
        // The expand box beside a node is not the node.
        if (item && pos.x() < m_tree->visualItemRect(item).left())
            item = nullptr;
        nodePressed(item, mouse->button(), mouse->globalPosition().toPoint());
        return false;
    }
    // Keys of an open name editor pass through the views to the editor's owner.
    if (type == QEvent::KeyPress && m_rename->editing())
        return QObject::eventFilter(watched, event);
    if (watched == m_tree && type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            nodeEntered();
            return true;
        }
        return false;
    }
    if (!m_list->isAncestorOf(qobject_cast<QWidget*>(watched)))
        return QObject::eventFilter(watched, event);
    if (type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        listPressed(mouse->position().toPoint(), mouse->button(), mouse->globalPosition().toPoint());
    } else if (type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        listReleased(mouse->button(), mouse->modifiers());
    } else if (type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            listKey(key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quantora
