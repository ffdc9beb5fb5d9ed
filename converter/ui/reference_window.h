#pragma once
// frmRef: the quick reference beside the converter. It lists the reference
// items of the selected quantity with their values in the convert-from and
// convert-into units, follows the selection while open, and hands a row's
// value to the convert-from box on a double-click or Enter. Placed at the top
// right of the screen unless a position was kept; always on top; Escape
// closes it and closing keeps its position, size and column widths.
//
// Its items are edited here: the pop-up menu (and its keys: Ctrl+N add, Ins
// insert, Del delete, Alt+Enter properties) opens the item dialog or the
// removal question, F2 renames a row's name in place, and a row dragged onto
// another moves right after it. Each edit goes through the table's reference
// edits, then the list is refilled from the table.

#include "converter/engine/reference_values.h"
#include "converter/ui/converter_context.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace quantora {

class IconSet;
class ReferenceListView;
enum class ReferenceDialogMode;

// The pop-up menu's items, by their index in mnuMenuArray.
enum class ReferenceMenuItem { Add = 0, Insert = 1, Delete = 2, Properties = 4 };

class ReferenceWindow : public QWidget {
    Q_OBJECT
public:
    // take: the value of a row in the convert-from unit, or as stored (in
    // unit 1) while no units are chosen.
    using Take = std::function<void(const QString& value, bool converted)>;
    struct Hooks {
        Take take;
        std::function<void()> edited;          // after any change to the table
        std::function<void()> restoreTopmost;  // after the window, a dialog or a message closes
    };
    ReferenceWindow(ConverterContext& context, const IconSet& icons, Hooks hooks, QWidget* owner);

    // Compacts and refills the list for the selection (pUpdateRefListView,
    // pUpdateRefValues); unchanged selection and items: nothing to do unless forced.
    void refresh(bool force = false);
    QTreeWidget& list() const;

    // One command of the pop-up menu, on the selected row where it needs one.
    void command(ReferenceMenuItem item);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void place();
    void takeRow(int row);
    void buildMenu();
    // A right press: Insert and Delete only over a row, which becomes the selected one.
    void offerMenu(const QPoint& pos);
    void enableRowCommands(bool onRow);
    void openItemDialog(ReferenceDialogMode mode, int position);
    void openRemoval(int position);
    // After a dialog or a message: the topmost states restored, this window active.
    void dialogClosed();
    void renamed(QTreeWidgetItem* item, int column);
    void moveRow(int dragged, int target);
    // Refills the list, selects the item at position and tells the main window.
    void afterEdit(int position);
    int shownQuantity() const { return m_shownQuantity; }

    ConverterContext& m_context;
    const IconSet& m_icons;
    Hooks m_hooks;
    ReferenceListView* m_list;
    QMenu* m_menu;
    QTimer* m_wait;  // tmrWait: the refresh after a rename
    int m_shownQuantity = -1;
    ReferenceTable m_shownRows;
    bool m_converted = false;
    bool m_filling = false;
};

}  // namespace quantora
