// A screen reader can name every control of the calculator: its strip with
// the history list, the help window and its dialogs.

#include "support/calc_fixture.h"

#include "../accessibility/accessible_walk.h"
#include "calculator/ui/calc_window.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QToolButton>

using calctest::CalcFixture;

class CalcAccessibleNamesTest : public calctest::CalcTest {
    Q_OBJECT
private slots:
    void everyControlOfEveryWindowHasAName() {
        CalcFixture& fixture = makeFixture();
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
        // Each dialog: the menu item that opens it, and its name.
        const std::pair<const char*, const char*> dialogs[] = {
            {"mnuCustom", "frmFunction"}, {"mnuColorArray_0", "frmCalcFont"}, {"mnuAbout", "frmAbout"}};
        for (const auto& [item, name] : dialogs) {
            fixture.expectDialog(QLatin1String(name));
            fixture.trigger(QLatin1String(item));
            auto* dialog = fixture.openDialog<QDialog>(QLatin1String(name));
            QVERIFY2(dialog, name);
            nameless << accessibility::namelessControls(dialog);
            dialog->reject();
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(QStringLiteral("without an accessible name:\n  ") +
                                                nameless.join(QStringLiteral("\n  "))));
    }
};

TALLIX_WINDOW_TEST_MAIN(CalcAccessibleNamesTest)
#include "calc_accessible_names_test.moc"
