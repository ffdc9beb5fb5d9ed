#pragma once
// frmCalc, the calculator's window: a frameless strip with its own title bar,
// the input box (txtInput) holding the evaluate button (cmdExecCalc) and the
// result box (txtCalcResult), the send button (cmdReplace) and the history
// button (cmdComboList). Every rule lives in the core's Calculator; this
// class forwards events to it and shows what comes back.
//
// Its pieces: TitleBar (picBase, title, glyphs, dragging), CalcMenus (the pop-up
// menu and the function paster), HistoryList, the two dialogs and the help
// window. The window is also the program's taskbar entry: minimising it and
// restoring it publish "Form"/"Run"; closing it saves the settings and
// publishes the exit.

#include "calculator/ui/calc_context.h"
#include "calculator/ui/calc_menu_items.h"
#include "calculator/ui/title_bar.h"

#include <QWidget>

class QDialog;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace tallix {

class CalcHelpWindow;
class CalcIcons;
class CalcMenus;
class ColorChooser;
class HistoryList;

class CalcWindow : public QWidget {
    Q_OBJECT
public:
    CalcWindow(CalcContext& context, const CalcIcons& icons, ColorChooser& colors);

    // Check marks, tool tips, fonts and colours, position, title, the input
    // saved at the last exit, stay on top, layout; then shown (Form_Load).
    void start();

    // Runs one evaluation (cmdExecCalc_Click).
    void execCalc();
    // Picks history entry index and re-evaluates it (mnuListArray).
    void pickHistory(int index);
    // Hides the window in the taskbar; "Run" becomes "0" (mnuMin).
    void minimise();
    // Restored from the taskbar and raised (Alt+R of a second start).
    void restore();
    void openCustomFunctions();
    void openFonts(ColorItem which);
    void showHelp(HelpTopic topic);

    CalcMenus& menus() { return *m_menus; }
    HistoryList& historyList() { return *m_historyList; }
    CalcHelpWindow* helpWindow() const { return m_help; }

protected:
    // Saves the settings and publishes the exit (Form_Unload).
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectParts();
    void relayout();
    void applyStyles();
    void showOptions();
    void setToolTips();
    void showOutcome(const CycleOutcome& outcome);
    void rerun();
    void chooseItem(CalcItem item);
    // Puts text in place of the input's selection, caret at the end.
    void insertIntoInput(const QString& text);
    // The result, without its trailing zeros, into the input (cmdReplace).
    void sendResult();
    // Text the link put into txtSource goes in place of the input's selection.
    void receiveLinkText(const QString& text);
    void popupMenu(const QPoint& globalPos);
    // The history list under the input box (cmdComboList).
    void popupHistory();
    void showAbout();
    // A dialog that makes the window inert while it is open (pnDialogOpen).
    void openDialog(QDialog* dialog);
    // tmrWatch: keeps the last normal position for the settings.
    void watch();
    void placeAtSavedPosition();

    CalcContext& m_context;
    const CalcIcons& m_icons;
    ColorChooser& m_colors;
    CalcBase* m_base;
    TitleBar m_title;
    QLineEdit* m_input = nullptr;
    QToolButton* m_evaluate = nullptr;
    QLineEdit* m_result = nullptr;
    QToolButton* m_send = nullptr;
    QToolButton* m_history = nullptr;
    QLineEdit* m_source = nullptr;      // txtSource, the link's insertion point
    QLabel* m_measureInput = nullptr;   // lblDummy
    QLabel* m_measureResult = nullptr;  // lblDummy1
    CalcMenus* m_menus;
    HistoryList* m_historyList;
    QTimer* m_watch;
    CalcHelpWindow* m_help = nullptr;
    CalcLayout m_layout;
    bool m_minimised = false;
};

}  // namespace tallix
