// A screen reader can name every control of the converter: the main window,
// its help, hint, find, memo and quick reference windows and the dialogs it opens.

#include "support/window_fixture.h"

#include "../accessibility/accessible_walk.h"
#include "converter/ui/font_dialog.h"
#include "converter/ui/hint_window.h"
#include "converter/ui/options_command.h"
#include "converter/ui/options_dialog.h"
#include "converter/ui/reference_window.h"
#include "converter/ui/unit_list_view.h"

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

    void theEditingDialogsAndCompanionWindowsToo() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        for (const char* name : {"frmUnitProp", "frmConstProp", "frmCatProp", "frmDelete", "frmListProp",
                                 "frmDimProp", "frmRefProp"})
            fixture.expectDialog(QString::fromLatin1(name));
        quantora::MainWindow& window = fixture.start();
        QStringList nameless;
        // The window of that name the step before opened is looked at and closed.
        const auto look = [&](const char* name) {
            QWidget* opened = qttest::shown(window, QString::fromLatin1(name));
            nameless << (opened ? accessibility::namelessControls(opened)
                                : QStringList{QString::fromLatin1(name) + QStringLiteral(" did not open")});
            if (opened)
                opened->close();
        };
        const auto trigger = [&](const char* action) {
            fixture.action(QString::fromLatin1(action))->trigger();
        };
        constexpr int kRootNode = 1;
        constexpr int kConstantsNode = 8;
        constexpr int kLengthNode = 9;

        fixture.clickNode(kRootNode);
        trigger("mnuEditCategoryArray_0");
        look("frmCatProp");
        fixture.clickNode(kLengthNode);
        fixture.clickUnit(0, Qt::RightButton);
        trigger("mnuEditUnitArray_5");
        look("frmUnitProp");
        trigger("mnuEditUnitArray_3");
        look("frmDelete");
        QWidget* viewport =
            fixture.find<quantora::UnitListView>(QStringLiteral("ListView1"))->activeViewport();
        QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(10, viewport->height() - 3));
        trigger("mnuEditUnitArray_5");
        look("frmListProp");
        fixture.clickUnit(0, Qt::LeftButton, Qt::ShiftModifier);
        look("frmMemo");
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        look("frmDimProp");
        trigger("mnuEditArray_9");
        look("frmFind");
        trigger("mnuToolsArray_3");
        window.findChild<quantora::ReferenceWindow*>()->command(quantora::ReferenceMenuItem::Add);
        look("frmRefProp");
        look("frmRef");
        fixture.clickNode(kConstantsNode);
        fixture.clickUnit(0, Qt::RightButton);
        trigger("mnuEditUnitArray_5");
        look("frmConstProp");
        QVERIFY2(nameless.isEmpty(), qPrintable(QStringLiteral("without an accessible name:\n  ") +
                                                nameless.join(QStringLiteral("\n  "))));
    }
};

QUANTORA_WINDOW_TEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
