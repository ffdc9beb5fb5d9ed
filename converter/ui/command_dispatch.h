#pragma once
// Command dispatch of frmMain: one slot for every menu array, one for the
// toolbar keys; the clipboard commands with the history of copied texts; the
// periodic refresh (tmrSpy, 400 ms) that enables and disables commands.

#include "converter/ui/converter_context.h"
#include "converter/ui/main_actions.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>

class QTimer;

namespace quantora {

class CalculatorLink;
class ConversionBoxes;
class EditCommands;
class FileCommands;
class FindWindow;
class IconSet;
class ReferenceWindow;
class QuantityViews;

// What a copy command puts on the clipboard.
enum class CopyMode { ConversionResult = 0, CalculationResult = 1, UnitProperties = 2 };

// What the window itself does for a command.
class WindowCommands {
public:
    virtual ~WindowCommands() = default;
    virtual void showHelpTopics() = 0;
    virtual void showAbout() = 0;
    virtual void exitProgram() = 0;
    virtual void setViewStyle(ViewStyle view) = 0;
    virtual void printTable() = 0;
    virtual void toggleBatch() = 0;
    virtual void showOptions() = 0;
};

class CommandDispatcher : public QObject {
    Q_OBJECT
public:
    struct Parts {
        MainActions& actions;
        QuantityViews& views;
        ConversionBoxes& boxes;
        FileCommands& files;
        EditCommands& edits;
        WindowCommands& window;
        CalculatorLink& calculator;
        const IconSet& icons;
        // After the find or quick reference window, or a dialog of the latter, closes.
        std::function<void()> restoreTopmost;
    };
    CommandDispatcher(ConverterContext& context, QWidget& window, Parts parts);

    void dispatch(quantora::MenuId menu, int index);
    void dispatchButton(const QString& key);

    // Copy mode 0 (conversion result) or 2 (unit properties).
    void copy(CopyMode mode);
    void pasteInput();
    void putHistoryOnClipboard(int slot);

    // One run of the periodic refresh.
    void refresh();
    void startRefresh();
    QTimer& spyTimer() const { return *m_spy; }

    // The find window, opened or brought to the front (Edit "&Find...").
    void showFind();
    // The quick reference window, opened or brought to the front (Tools "&Quick Reference").
    void showReference();
    // The quick reference window while it is open.
    ReferenceWindow* referenceWindow() const;
    // The find window while it is open.
    FindWindow* findWindow() const;

    // The swap pop-up at a screen position, when both units are chosen.
    void offerSwap(const QPoint& globalPos);

protected:
    // Menu shortcuts come before a text box's own use of the same keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dispatchFile(FileItem item);
    void dispatchTools(ToolsItem item);
    void fillHistoryMenu();
    void outputChanged(bool empty);
    std::optional<std::string> clipboardText() const;
    void clipboardChanged();

    ConverterContext& m_context;
    QWidget& m_window;
    Parts m_parts;
    QPointer<FindWindow> m_find;
    QPointer<ReferenceWindow> m_reference;  // set while open (pfRefWindowOpen)
    QTimer* m_spy;
    // Kept current by QClipboard::dataChanged, so the refresh never asks the clipboard.
    bool m_clipboardHasNumber = false;
};

}  // namespace quantora
