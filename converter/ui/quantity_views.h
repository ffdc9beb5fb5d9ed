#pragma once
// The quantity tree (TreeView1) and the unit list (ListView1): building them
// from the table, choosing a quantity with the mouse or Enter, and picking
// the convert-from unit (left click, Shift+Enter) and the convert-into unit
// (right click, Enter), which runs the conversion.

#include "converter/table/table_file.h"
#include "converter/table/view_plan.h"
#include "converter/ui/converter_context.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace quantora {

class ConversionBoxes;
class IconSet;
class MainActions;
class RenameInPlace;
class UnitListView;

class QuantityViews : public QObject {
    Q_OBJECT
public:
    QuantityViews(ConverterContext& context, QWidget& window, QWidget& area, const IconSet& icons,
                  MainActions& actions, ConversionBoxes& boxes);

    QTreeWidget& tree() const { return *m_tree; }
    UnitListView& list() const { return *m_list; }

    // Rebuilds the whole tree from the table (pUpdateTreeView).
    void updateTreeView();
    // Refills the list with the units of the quantity of that name (pUpdateListView).
    void updateListView(const std::string& quantityName);
    void clearList();
    // The list's columns for the selected node (pSetListMode).
    void setListMode();
    ListMode listMode() const { return m_listMode; }
    // Start-up: select the saved node, take its quantity, fill the list.
    void showSavedSelection();
    void selectNode(int node);
    void setRootText(const QString& text);
    void setNodeText(int node, const QString& text);
    void setViewStyle(ViewStyle view);
    // The window title from the table title and the changed mark (pSetMainCaption).
    void setMainCaption();

    std::optional<bool> isNodeExpanded(int node) const;
    NodeExpandedQuery expandedQuery() const;
    int expandedCategoryCount() const;
    // The list's live column widths, kept as HeaderWidth of the list mode shown.
    void storeColumnWidths();
    std::array<float, 4> liveColumnWidths() const;

    // The delayed unit pop-up: one tick of tmrDelay.
    void delayTick();

    // After an edit: the tree's expanded states kept in the table first, then
    // the tree rebuilt and node chosen as a click would, the caption set.
    void preserveTree();
    void showNode(int node);
    // Sorting by name switched on or off (mToggleSort 0 and 1): the tree's
    // quantities within each category, the list's units; off shows the
    // table order again.
    void toggleTreeSort();
    void toggleListSort();

    // A find hit: its node chosen as a click would; for a unit (unit > 0) the
    // list refilled, focused and the unit's row selected and shown.
    void showFound(int node, int unit);
    // The list refilled for the selected quantity, the row of unit chosen.
    void refillList(int unit);
    // The list's columns set up anew for the list mode shown, widths kept.
    void resetColumns();
    // The last press in the list hit a unit (not the empty area).
    bool unitUnderPress() const { return m_pressedUnit.has_value(); }
    RenameInPlace& rename() const { return *m_rename; }
    // The tree node under a position of the tree's viewport; 0 for none.
    int nodeAt(const QPoint& viewportPos) const;
    QTreeWidgetItem* nodeItem(int node) const;
    // The node of the tree's current item; 0 for none.
    int currentNode() const;
    // Unit picked as convert-from or convert-into unit, as a left or a right
    // click on its row picks it.
    void pickUnit(int unit, bool into);
    // A right click's pop-up still to come is not wanted any more.
    void cancelUnitPopup();

signals:
    // Shift with a left click on a unit: its memo, too.
    void memoWanted();
    // A convert-into unit was picked while batch mode is on.
    void batchUnitPicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nodePressed(QTreeWidgetItem* item, Qt::MouseButton button, const QPoint& globalPos);
    void nodeEntered();
    void chooseNode(int node, bool selectFirstUnit);
    void listPressed(const QPoint& viewportPos, Qt::MouseButton button, const QPoint& globalPos);
    void listReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void listKey(bool shift);
    void afterPick(const SessionChange& change);
    void showTreePopup(int node, const QPoint& globalPos);
    void prepareUnitPopup(bool onItem);
    void updateNodeIcon(QTreeWidgetItem* item);
    void sortCategories();

    ConverterContext& m_context;
    QWidget& m_window;
    const IconSet& m_icons;
    MainActions& m_actions;
    ConversionBoxes& m_boxes;
    QTreeWidget* m_tree;
    UnitListView* m_list;
    QTimer* m_delay;
    RenameInPlace* m_rename;
    std::vector<QTreeWidgetItem*> m_nodes;  // by node index; [0] unused
    std::vector<int> m_categoryIcons;       // Icon# of category node c + 1, by c
    ListMode m_listMode = ListMode::Normal;
    bool m_normalColumns = false;
    std::optional<int> m_pressedUnit;  // the unit under the pointer at the last press in the list
    int m_delayTicks = 0;
    QPoint m_popupPos;
};

}  // namespace quantora
