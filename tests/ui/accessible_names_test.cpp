// A screen reader can name every control of the converter: the main window,
// its help and hint windows and the dialogs it opens.

#include "support/window_fixture.h"

#include "../accessibility/accessible_walk.h"
#include "converter/ui/font_dialog.h"
#include "converter/ui/hint_window.h"
#include "converter/ui/options_command.h"
#include "converter/ui/options_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>

using uitest::WindowFixture;

class AccessibleNamesTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void everyControlOfEveryWindowHasANameAndTheHelpFinds() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        QStringList nameless = accessibility::namelessControls(&window);
        fixture.action("mnuHelpArray_0")->trigger();
        auto* help = window.findChild<QWidget*>(QStringLiteral("frmHelp"));
        QVERIFY(help && help->isVisible());
        nameless << accessibility::namelessControls(help);
        window.findChild<quantora::HintWindow*>()->showHint(0);
        nameless << accessibility::namelessControls(window.findChild<quantora::HintWindow*>());
        // Each dialog is looked at and closed before events run, so none
        // stays open as a stray modal dialog.
        fixture.action("mnuHelpArray_2")->trigger();
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(about);
        nameless << accessibility::namelessControls(about);
        about->reject();
        fixture.action("mnuToolsArray_5")->trigger();
        quantora::OptionsDialog* options = window.options().dialog();
        QVERIFY(options);
        nameless << accessibility::namelessControls(options);
        emit options->findChild<QComboBox*>(QStringLiteral("cboFonts"))->activated(0);
        QVERIFY(options->fontDialog());
        nameless << accessibility::namelessControls(options->fontDialog());
        options->fontDialog()->reject();
        options->reject();
        QVERIFY2(nameless.isEmpty(), qPrintable(QStringLiteral("without an accessible name:\n  ") +
                                                nameless.join(QStringLiteral("\n  "))));

        // The help's contents list shows a topic, and its search finds text.
        auto* contents = help->findChild<QListWidget*>(QStringLiteral("lstHelpContents"));
        QVERIFY(contents->count() > 10);
        QCOMPARE(contents->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("contents"));
        const QList<QListWidgetItem*> batch =
            contents->findItems(QStringLiteral("Batch conversion"), Qt::MatchExactly);
        QCOMPARE(batch.size(), 1);
        contents->setCurrentItem(batch[0]);
        auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
        QCOMPARE(browser->source().fragment(), QStringLiteral("topic23"));
        auto* search = help->findChild<QLineEdit*>(QStringLiteral("txtHelpSearch"));
        search->setText(QStringLiteral("Print Preview"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("Print Preview"));
        search->setText(QStringLiteral("no such words in the help"));
        QTest::keyClick(search, Qt::Key_Return);
        QVERIFY(!browser->textCursor().hasSelection());
    }
};

QUANTORA_WINDOW_TEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
