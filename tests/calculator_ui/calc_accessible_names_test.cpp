// A screen reader can name every control of the calculator: its strip with
// the history list, the help window and its dialogs.

#include "support/calc_fixture.h"

#include "../accessibility/accessible_walk.h"
#include "calculator/ui/calc_font_dialog.h"
#include "calculator/ui/calc_window.h"
#include "calculator/ui/custom_functions_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QToolButton>

using calctest::CalcFixture;

class CalcAccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { calctest::failOnUnexpectedWarnings(); }

    void everyControlOfEveryWindowHasAName() {
        CalcFixture fixture;
        fixture.expectDialog(QStringLiteral("frmFunction"));
        fixture.expectDialog(QStringLiteral("frmCalcFont"));
        fixture.expectDialog(QStringLiteral("frmAbout"));
        tallix::CalcWindow& window = fixture.start();
        // The history list names its rows when it opens.
        fixture.evaluate(QStringLiteral("1+1"));
        fixture.find<QToolButton>(QStringLiteral("cmdComboList"))->click();
        auto* history = window.findChild<QMenu*>(QStringLiteral("mnuList"));
        QVERIFY(history && history->isVisible());
        QStringList nameless = accessibility::namelessControls(&window);
        history->close();

        fixture.trigger(QStringLiteral("mnuHelp"));
        auto* help = window.findChild<QWidget*>(QStringLiteral("frmHelp"));
        QVERIFY(help && help->isVisible());
        nameless << accessibility::namelessControls(help);

        fixture.trigger(QStringLiteral("mnuCustom"));
        auto* functions = fixture.openDialog<tallix::CustomFunctionsDialog>(QStringLiteral("frmFunction"));
        QVERIFY(functions);
        nameless << accessibility::namelessControls(functions);
        functions->reject();

        fixture.trigger(QStringLiteral("mnuColorArray_0"));
        auto* fonts = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(fonts);
        nameless << accessibility::namelessControls(fonts);
        fonts->reject();

        fixture.trigger(QStringLiteral("mnuAbout"));
        auto* about = fixture.openDialog<QDialog>(QStringLiteral("frmAbout"));
        QVERIFY(about);
        nameless << accessibility::namelessControls(about);
        about->reject();

        QVERIFY2(nameless.isEmpty(), qPrintable(QStringLiteral("without an accessible name:\n  ") +
                                                nameless.join(QStringLiteral("\n  "))));
        fixture.verifyQuiet();
    }
};

TALLIX_WINDOW_TEST_MAIN(CalcAccessibleNamesTest)
#include "calc_accessible_names_test.moc"
