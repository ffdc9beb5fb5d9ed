#pragma once
// frmMain, the converter's only top-level window. It owns the program's life:
// start() reads the settings and the table, builds the tree and the list and
// lays out the panes; closing asks about unsaved changes and writes the
// settings and the categories' expanded state back.
//
// The work is split by concern: MainActions (menus, toolbar), QuantityViews
// (tree and list), ConversionBoxes (value boxes, status panels, conversion),
// MainLayout (geometry and drags), FileCommands (open and save),
// CommandDispatcher (dispatch, clipboard, periodic refresh), HintWindow.

#include "common/qt/message_presenter.h"
#include "common/settings_store.h"
#include "converter/ui/command_dispatch.h"
#include "converter/ui/converter_context.h"
#include "converter/ui/icon_set.h"

#include <QMainWindow>

#include <memory>

class QTimer;

namespace quantora {

class ConversionBoxes;
class FileChooser;
class FileCommands;
class HelpWindow;
class HintWindow;
class MainActions;
class MainLayout;
class QuantityViews;

// Folder that holds DEFAULT.DAT: beside the program, or a per-user copy when
// the program's folder cannot be written.
QString defaultTableFolder();

class MainWindow : public QMainWindow, public WindowCommands {
    Q_OBJECT
public:
    MainWindow(common::SettingsStore& store, common::MessagePresenter& messages, FileChooser& chooser,
               QString tableFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: settings, layout, show, table, tree and list.
    void start();

    const ConversionTable& table() const { return m_context.table; }
    // The table as the editing commands change it.
    ConversionTable& table() { return m_context.table; }
    const ConverterSession& session() const { return m_context.session; }
    const ConverterSettings& settings() const { return m_context.settings; }
    bool loadFailed() const { return m_context.loadFailed; }
    CommandDispatcher& commands() const { return *m_commands; }
    QuantityViews& views() const { return *m_views; }
    HintWindow& hints() const { return *m_hint; }

    void showHelpTopics() override;
    void showAbout() override;
    void exitProgram() override;
    void setViewStyle(ViewStyle view) override;

    // Re-applies the stay-on-top states of the open windows (pRestoreTopmost).
    void restoreTopmost();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runStartup(std::string& marker);
    void loadTable();
    void applyToolsMenu();
    void saveToolbarArrangement();
    // saveConverterSettings with the live column widths and window state.
    void saveSettings();
    void measureScreen();

    ConverterContext m_context;
    IconSet m_icons;
    QWidget* m_area;
    MainActions* m_actions;
    ConversionBoxes* m_boxes;
    QuantityViews* m_views;
    MainLayout* m_layout;
    FileCommands* m_files;
    CommandDispatcher* m_commands;
    HintWindow* m_hint;
    HelpWindow* m_help = nullptr;
    QTimer* m_watch;
    QTimer* m_scroll;
};

}  // namespace quantora
