// The calculator program: first start, settings kept across a restart, the
// published "Run" and "Result", the custom functions and fonts dialogs.

#include "support/calc_fixture.h"

#include "calculator/ui/calc_font_dialog.h"
#include "calculator/ui/calc_window.h"
#include "calculator/ui/custom_functions_dialog.h"
#include "calculator/ui/title_bar.h"

#include <QAction>
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using calctest::CalcFixture;

using qttest::click;

class CalcProgramTest : public calctest::CalcTest {
    Q_OBJECT
private slots:
    void defaultsRunResultAndSettingsAcrossARestart() {
        CalcFixture& fixture = makeFixture();
        tallix::CalcWindow& window = fixture.start();
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("1"));
        QCOMPARE(window.pos(), QPoint(48, 32));  // 720, 480 twips at 96 pixels an inch
        QVERIFY(window.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" (degree)")));
        for (const char* name : {"mnuDigitsArray_2", "mnuNotationArray_0", "mnuTrigArray_0", "mnuStayTop"})
            QVERIFY2(fixture.find<QAction>(QLatin1String(name))->isChecked(), name);
        QVERIFY(!fixture.find<QAction>(QStringLiteral("mnuClear"))->isEnabled());
        QVERIFY(!fixture.input().toolTip().isEmpty());
        QCOMPARE(fixture.historyShown(), QStringList{QStringLiteral("Empty")});
        QVERIFY(fixture.input().hasFocus());
        fixture.trigger(QStringLiteral("mnuTooltip"));
        QVERIFY(fixture.input().toolTip().isEmpty());
        QVERIFY(fixture.find<QWidget>(QStringLiteral("lblExit"))->toolTip().isEmpty());
        fixture.trigger(QStringLiteral("mnuStayTop"));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());

        fixture.trigger(QStringLiteral("mnuDigitsArray_4"));
        fixture.trigger(QStringLiteral("mnuTrigArray_1"));
        fixture.evaluate(QStringLiteral("pi"));
        fixture.input().setText(QStringLiteral("  1+  "));
        tallix::CalcWindow& again = fixture.restart();
        QVERIFY(fixture.find<QAction>(QStringLiteral("mnuDigitsArray_4"))->isChecked());
        QVERIFY(again.windowTitle().endsWith(QStringLiteral(" (radian)")));
        QVERIFY(fixture.input().toolTip().isEmpty());
        QCOMPARE(fixture.input().text(), QStringLiteral("1+"));
        QCOMPARE(fixture.historyShown(), QStringList{QStringLiteral("pi")});
        fixture.evaluate(QStringLiteral("pi"));
        QCOMPARE(fixture.result(), QStringLiteral("3.141592654"));

        // Minimise, restore and exit publish "Run" and "Result".
        again.move(300, 200);
        QTRY_COMPARE(again.pos(), QPoint(300, 200));
        // The watch timer's next tick keeps the last normal position.
        QSignalSpy watched(fixture.find<QTimer>(QStringLiteral("tmrWatch")), &QTimer::timeout);
        QVERIFY(watched.wait());
        fixture.evaluate(QStringLiteral("6*7"));
        QCOMPARE(fixture.stored("History", "Result"), QStringLiteral("42.00000000"));
        QTest::mouseClick(fixture.find<QWidget>(QStringLiteral("lblMin")), Qt::LeftButton);
        QVERIFY(again.isMinimized());
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("0"));
        again.move(10, 10);
        again.showNormal();
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("1"));
        QCOMPARE(again.pos(), QPoint(300, 200));
        fixture.trigger(QStringLiteral("mnuExit"));
        QVERIFY(!again.isVisible());
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("0"));
        QCOMPARE(fixture.stored("History", "Result"), QString());
        // 300, 200 pixels are stored as twips.
        QCOMPARE(fixture.stored("Form", "CalcLeft"), QStringLiteral("4500"));
        QCOMPARE(fixture.stored("Form", "CalcTop"), QStringLiteral("3000"));
    }

    void unreadableSettingsCustomFunctionsFontsAndColors() {
        CalcFixture& fixture = makeFixture();
        fixture.expectDialog(QStringLiteral("frmFunction"));
        fixture.expectDialog(QStringLiteral("frmCalcFont"));
        fixture.setSetting("Form", "CalcLeft", QStringLiteral("-9000000"));
        fixture.setSetting("Form", "CalcTop", QStringLiteral("1e39"));
        QCOMPARE(fixture.start().pos(), QPoint(48, 32));  // nowhere on the screen: the first-run place
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QCOMPARE(fixture.messages.shown[0].text, std::string("Error Code = MGST01"));
        QCOMPARE(fixture.messages.shown[0].title, std::string("Tallix"));
        fixture.evaluate(QStringLiteral("1+1"));
        QCOMPARE(fixture.result(), QStringLiteral("2.0000000"));

        fixture.input().setText(QStringLiteral("x^2+1:3"));
        fixture.trigger(QStringLiteral("mnuCustom"));
        auto* dialog = fixture.openDialog<tallix::CustomFunctionsDialog>(QStringLiteral("frmFunction"));
        QVERIFY(dialog);
        auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("txtFunction"));
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
        // The input's expression without its values is offered.
        QCOMPARE(text->text(), QStringLiteral("x^2+1"));
        click(dialog, "cmdAdd");
        text->clear();
        QTest::keyClicks(text, QStringLiteral("area:pi*x^2"));
        click(dialog, "cmdAdd");
        QCOMPARE(list->count(), 2);
        // The window is inert while the dialog is open.
        fixture.evaluate(QStringLiteral("2+2"));
        QCOMPARE(fixture.result(), QStringLiteral("2.0000000"));
        click(dialog, "cmdOK");
        QCOMPARE(fixture.input().text(), QStringLiteral("pi*x^2:"));
        QTest::keyClicks(&fixture.input(), QStringLiteral("2"));
        QTest::keyClick(&fixture.input(), Qt::Key_Return);
        QCOMPARE(fixture.result(), QStringLiteral("12.566371"));

        fixture.restart();
        fixture.input().clear();
        fixture.trigger(QStringLiteral("mnuCustom"));
        dialog = fixture.openDialog<tallix::CustomFunctionsDialog>(QStringLiteral("frmFunction"));
        QVERIFY(dialog);
        list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("area:pi*x^2"));
        // Removing and cancelling keeps the list as it was.
        QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("cmdRemove"))->isEnabled());
        list->setCurrentRow(0);
        click(dialog, "cmdRemove");
        QCOMPARE(list->count(), 1);
        click(dialog, "cmdCancel");
        QCOMPARE(fixture.input().text(), QString());

        tallix::CalcWindow& window = fixture.window();
        const int height = window.height();
        fixture.trigger(QStringLiteral("mnuColorArray_1"));
        auto* fontDialog = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(fontDialog);
        auto* fonts = fontDialog->findChild<QComboBox*>(QStringLiteral("cboFonts"));
        fonts->setEditText(QString());
        QCOMPARE(fonts->currentText(), QStringLiteral("MS Sans Serif"));
        fontDialog->findChild<QComboBox*>(QStringLiteral("cboSize"))->setEditText(QStringLiteral("40"));
        click(fontDialog, "cmdOK");
        QCOMPARE(fixture.find<QLineEdit>(QStringLiteral("txtCalcResult"))->font().pointSize(), 24);
        QVERIFY(window.height() > height);

        // A black title bar: the glyphs light up when the mouse is over them.
        fixture.trigger(QStringLiteral("mnuColorArray_2"));
        fontDialog = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(fontDialog);
        fixture.colors.chooseNext(QColor(Qt::black));
        click(fontDialog, "cmdBackColor");
        fixture.colors.chooseNext(std::nullopt);  // the text colour: cancelled
        click(fontDialog, "cmdForeColor");
        click(fontDialog, "cmdOK");
        auto* exit = fixture.find<tallix::GlyphButton>(QStringLiteral("lblExit"));
        QCOMPARE(exit->currentColor(), QColor(255, 255, 127));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), exit->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(exit, &enter);
        QVERIFY2(exit->currentColor().lightness() > 200, qPrintable(exit->currentColor().name()));

        // Cancel changes nothing.
        fixture.trigger(QStringLiteral("mnuColorArray_0"));
        fontDialog = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(fontDialog);
        fontDialog->findChild<QComboBox*>(QStringLiteral("cboSize"))->setEditText(QStringLiteral("20"));
        click(fontDialog, "cmdCancel");
        QCOMPARE(fixture.input().font().pointSize(), 8);

        fixture.trigger(QStringLiteral("mnuExit"));
        QCOMPARE(fixture.stored("Function", "Count"), QStringLiteral("2"));
        QCOMPARE(fixture.stored("Function", " 1"), QStringLiteral("area:pi*x^2"));
        QCOMPARE(fixture.stored("Font", "FontSize7"), QStringLiteral("24"));
        QCOMPARE(fixture.stored("Font", "FontSize6"), QStringLiteral("8"));
        QCOMPARE(fixture.stored("Color", "BackColor8"), QStringLiteral("0"));
    }
};

TALLIX_WINDOW_TEST_MAIN(CalcProgramTest)
#include "calc_program_test.moc"
