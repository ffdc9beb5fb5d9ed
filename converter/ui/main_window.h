#pragma once
// frmMain, the converter's only top-level window. start() reads the settings
// and the table, builds the tree and the list and lays out the panes; closing
// asks about unsaved changes and writes the settings and the categories'
// expanded state back. The context and the icons it works with are made
// before it and outlive it (ConverterProgram).
//
// The work is split by concern: MainActions (menus, toolbar), QuantityViews
// (tree and list), ConversionBoxes (value boxes, status panels, conversion),
// DragAndDrop (dragging quantities and units), MainLayout (geometry and
// splitter drags), FileCommands (open and save), EditCommands (editing commands, property dialogs, rename in
// place), CommandDispatcher (dispatch, clipboard, periodic refresh), HintWindow.

#include "converter/ui/batch_commands.h"
#include "converter/ui/calculator_link.h"
#include "converter/ui/command_dispatch.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/converter_context.h"
#include "converter/ui/drag_and_drop.h"
#include "converter/ui/edit_commands.h"
#include "converter/ui/file_commands.h"
#include "converter/ui/icon_set.h"
#include "converter/ui/main_actions.h"
#include "converter/ui/main_layout.h"
#include "converter/ui/options_command.h"
#include "converter/ui/print_commands.h"
#include "converter/ui/quantity_views.h"

#include <QMainWindow>

namespace quantora {

class FileChooser;
class HelpWindow;
class HintWindow;

// The per-user folder that holds the working DEFAULT.DAT, copied from the
// one beside the program the first time.
QString defaultTableFolder();

class MainWindow : public QMainWindow, public WindowCommands {
    Q_OBJECT
public:
    MainWindow(ConverterContext& context, const IconSet& icons, FileChooser& chooser,
               QWidget* parent = nullptr);

    // The start-up sequence: settings, layout, show, table, tree and list.
    void start();

    const ConversionTable& table() const { return m_context.table; }
    // The table as the editing commands change it.
    ConversionTable& table() { return m_context.table; }
    const ConverterSession& session() const { return m_context.session; }
    const ConverterSettings& settings() const { return m_context.settings; }
    bool loadFailed() const { return m_context.loadFailed; }
    CommandDispatcher& commands() { return m_commands; }
    QuantityViews& views() { return m_views; }
    EditCommands& edits() { return m_edits; }
    HintWindow& hints() { return *m_hint; }
    BatchCommands& batch() { return m_batch; }
    PrintCommands& printing() { return m_print; }
    OptionsCommand& options() { return m_options; }
    CalculatorLink& calculator() { return m_calculator; }
    DragAndDrop& drags() { return m_drags; }

    void showHelpTopics() override;
    void showAbout() override;
    void exitProgram() override;
    void setViewStyle(ViewStyle view) override;
    void printTable() override { m_print.print(); }
    void toggleBatch() override { m_batch.toggle(); }
    void showOptions() override { m_options.open(); }
    // The help document at a topic number.
    void showHelpTopic(int topic);

    // Re-applies the stay-on-top states of the open windows (pRestoreTopmost).
    void restoreTopmost();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void runStartup(std::string& marker);
    void loadTable();
    void applyToolsMenu();
    void saveToolbarArrangement();
    // saveConverterSettings with the live column widths and window state.
    void saveSettings();
    void measureScreen();
    // Stored, default and minimum sizes are outer sizes; the frame around the
    // window is known only once it is shown.
    void fitFrame();

    ConverterContext& m_context;
    const IconSet& m_icons;
    QWidget* m_area;  // the central widget
    // The parts watch the widgets' events: as members they go before the
    // widgets, which the window deletes after them.
    MainActions m_actions;
    ConversionBoxes m_boxes;
    QuantityViews m_views;
    DragAndDrop m_drags;
    MainLayout m_layout;
    FileCommands m_files;
    EditCommands m_edits;
    CalculatorLink m_calculator;
    CommandDispatcher m_commands;
    BatchCommands m_batch;
    PrintCommands m_print;
    OptionsCommand m_options;
    HintWindow* m_hint;
    HelpWindow* m_help = nullptr;
    QSize m_frameExtra{0, 0};  // outer size minus inner size, as last applied
};

}  // namespace quantora
