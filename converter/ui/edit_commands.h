#pragma once
// The editing commands of frmMain: the category, quantity and unit pop-up
// commands, Show Memo, the dimensions dialog and rename in place. Each tests
// its limit, opens its dialog with the working values and, when the dialog
// is accepted, makes the change through the table edits and shows the
// result in the tree, the list and the status panels.
//
// command -> limit notice or dialog -> accepted -> table edit -> views

#include "converter/table/table_edits.h"
#include "converter/ui/converter_context.h"
#include "converter/ui/menu_items.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QDialog;

namespace quantora {

class ConversionBoxes;
class IconSet;
class MainActions;
class MemoWindow;
class QuantityViews;

class EditCommands : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QuantityViews& views;
        ConversionBoxes& boxes;
        const IconSet& icons;
    };
    struct Hooks {
        std::function<void()> restoreTopmost;  // after a dialog or the memo window closes
    };
    EditCommands(ConverterContext& context, QWidget& window, Parts parts, Hooks hooks);

    // The category pop-up on the root or a category: Add, Delete, Properties.
    void categoryCommand(CategoryItem item);
    // The quantity pop-up: Insert, Delete, Properties.
    void quantityCommand(QuantityItem item);
    // The unit pop-up: Insert or Add, Delete, Properties (the list header
    // dialog on the empty area).
    void unitCommand(UnitPopupItem item);
    // The memo window of the selected unit (Show Memo, Ctrl+M, Shift with a click).
    void showMemo();
    // The dimensions dialog (ReDim, Ctrl+Shift+Alt+Z).
    void showDimensions();

    // The memo window while it is open.
    MemoWindow* memoWindow() const;
    // Closes the memo window, which hands its text to the table, before
    // anything moves the unit it shows.
    void closeMemo();

private:
    void openTreeItemDialog(TreeItemMode mode, const NamedIcon& item);
    void openUnitDialog(UnitDialogMode mode, const UnitItem& unit);
    void openRemoval(DeleteTarget target);
    void openListProperties();
    // Topmost while open, non-blocking, topmost states restored after it.
    void show(QDialog* dialog);
    void showHelp(QWidget& dialog, int topic);
    void afterTreeEdit(const EditOutcome& outcome);
    void afterUnitEdit(const EditOutcome& outcome);
    void clearUnits();
    void memoClosed(const MemoWindow& memo);
    void nodeRenamed(int node, const QString& text);
    void unitRenamed(int unit, const QString& text);

    ConverterContext& m_context;
    QWidget& m_window;
    Parts m_parts;
    Hooks m_hooks;
    QPointer<MemoWindow> m_memo;
    int m_renamedQuantity = -1;      // the quantity recorded when a node's renaming began
    int m_renamedUnitQuantity = -1;  // the quantity whose unit is being renamed
};

}  // namespace quantora
