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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using calctest::CalcFixture;

class CalcProgramTest : public QObject {
    Q_OBJECT
private slots:
    void init() { calctest::failOnUnexpectedWarnings(); }

    void firstRunStartsWithTheDefaults() {
        CalcFixture fixture;
        tallix::CalcWindow& window = fixture.start();
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("1"));
        // 720, 480 twips at 96 pixels an inch.
        QCOMPARE(window.pos(), QPoint(48, 32));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" (degree)")));
        QVERIFY(fixture.find<QAction>(QStringLiteral("mnuDigitsArray_2"))->isChecked());
        QVERIFY(fixture.find<QAction>(QStringLiteral("mnuNotationArray_0"))->isChecked());
        QVERIFY(fixture.find<QAction>(QStringLiteral("mnuTrigArray_0"))->isChecked());
        QVERIFY(fixture.find<QAction>(QStringLiteral("mnuStayTop"))->isChecked());
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
        QVERIFY(fixture.messages.shown.empty());
        fixture.verifyQuiet();
    }

    void minimiseRestoreAndExitPublishRunAndResult() {
        CalcFixture fixture;
        tallix::CalcWindow& window = fixture.start();
        window.move(300, 200);
        QTRY_COMPARE(window.pos(), QPoint(300, 200));
        // The watch timer keeps the last normal position.
        QTest::qWait(250);
        fixture.evaluate(QStringLiteral("6*7"));
        QCOMPARE(fixture.stored("History", "Result"), QStringLiteral("42.000000"));

        QTest::mouseClick(fixture.find<QWidget>(QStringLiteral("lblMin")), Qt::LeftButton);
        QVERIFY(window.isMinimized());
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("0"));
        window.move(10, 10);
        window.showNormal();
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("1"));
        QCOMPARE(window.pos(), QPoint(300, 200));

        fixture.trigger(QStringLiteral("mnuExit"));
        QVERIFY(!window.isVisible());
        QCOMPARE(fixture.stored("Form", "Run"), QStringLiteral("0"));
        QCOMPARE(fixture.stored("History", "Result"), QString());
        // 300, 200 pixels are stored as twips.
        QCOMPARE(fixture.stored("Form", "CalcLeft"), QStringLiteral("4500"));
        QCOMPARE(fixture.stored("Form", "CalcTop"), QStringLiteral("3000"));
        fixture.verifyQuiet();
    }

    void settingsSurviveARestart() {
        CalcFixture fixture;
        fixture.start();
        fixture.trigger(QStringLiteral("mnuDigitsArray_4"));
        fixture.trigger(QStringLiteral("mnuTrigArray_1"));
        fixture.trigger(QStringLiteral("mnuTooltip"));
        fixture.evaluate(QStringLiteral("pi"));
        fixture.input().setText(QStringLiteral("  1+  "));
        tallix::CalcWindow& window = fixture.restart();
        QVERIFY(fixture.find<QAction>(QStringLiteral("mnuDigitsArray_4"))->isChecked());
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" (radian)")));
        QVERIFY(fixture.input().toolTip().isEmpty());
        QCOMPARE(fixture.input().text(), QStringLiteral("1+"));
        QCOMPARE(fixture.historyShown(), QStringList{QStringLiteral("pi")});
        fixture.evaluate(QStringLiteral("pi"));
        QCOMPARE(fixture.result(), QStringLiteral("3.141592654"));
        fixture.verifyQuiet();
    }

    void unreadableSettingsAreReportedAndTheWindowStillShows() {
        CalcFixture fixture;
        fixture.setSetting("Form", "CalcLeft", QStringLiteral("-9000000"));
        fixture.setSetting("Form", "CalcTop", QStringLiteral("1e39"));
        tallix::CalcWindow& window = fixture.start();
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QCOMPARE(fixture.messages.shown[0].text, std::string("Error Code = MGST01"));
        QCOMPARE(fixture.messages.shown[0].title, std::string("Tallix"));
        // Nowhere on the screen: back at the first-run place.
        QCOMPARE(window.pos(), QPoint(48, 32));
        fixture.evaluate(QStringLiteral("1+1"));
        QCOMPARE(fixture.result(), QStringLiteral("2.0000000"));
        fixture.verifyQuiet();
    }

    void aCustomFunctionIsUsableAndKept() {
        CalcFixture fixture;
        fixture.expectDialog(QStringLiteral("frmFunction"));
        fixture.start();
        fixture.input().setText(QStringLiteral("x^2+1:3"));
        fixture.trigger(QStringLiteral("mnuCustom"));
        auto* dialog = fixture.openDialog<tallix::CustomFunctionsDialog>(QStringLiteral("frmFunction"));
        QVERIFY(dialog && dialog->isVisible());
        auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("txtFunction"));
        auto* add = dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd"));
        auto* remove = dialog->findChild<QPushButton*>(QStringLiteral("cmdRemove"));
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
        // The input's expression without its values is offered.
        QCOMPARE(text->text(), QStringLiteral("x^2+1"));
        QTest::mouseClick(add, Qt::LeftButton);
        text->clear();
        QTest::keyClicks(text, QStringLiteral("area:pi*x^2"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(list->count(), 2);
        // The window is inert while the dialog is open.
        fixture.evaluate(QStringLiteral("1+1"));
        QCOMPARE(fixture.result(), QString());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
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
        remove = dialog->findChild<QPushButton*>(QStringLiteral("cmdRemove"));
        QVERIFY(!remove->isEnabled());
        list->setCurrentRow(0);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        QCOMPARE(fixture.input().text(), QString());
        fixture.trigger(QStringLiteral("mnuExit"));
        QCOMPARE(fixture.stored("Function", "Count"), QStringLiteral("2"));
        QCOMPARE(fixture.stored("Function", " 1"), QStringLiteral("area:pi*x^2"));
        fixture.verifyQuiet();
    }

    void fontsAndColorsAreAppliedAndKept() {
        CalcFixture fixture;
        fixture.expectDialog(QStringLiteral("frmCalcFont"));
        tallix::CalcWindow& window = fixture.start();
        const int height = window.height();
        fixture.trigger(QStringLiteral("mnuColorArray_1"));
        auto* dialog = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(dialog && dialog->isVisible());
        auto* fonts = dialog->findChild<QComboBox*>(QStringLiteral("cboFonts"));
        fonts->setEditText(QString());
        QCOMPARE(fonts->currentText(), QStringLiteral("MS Sans Serif"));
        dialog->findChild<QComboBox*>(QStringLiteral("cboSize"))->setEditText(QStringLiteral("40"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        auto* result = fixture.find<QLineEdit>(QStringLiteral("txtCalcResult"));
        QCOMPARE(result->font().pointSize(), 24);
        QVERIFY(window.height() > height);

        // A black title bar: the glyphs light up when the mouse is over them.
        fixture.trigger(QStringLiteral("mnuColorArray_2"));
        dialog = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(dialog);
        fixture.colors.chooseNext(QColor(Qt::black));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdBackColor")), Qt::LeftButton);
        fixture.colors.chooseNext(std::nullopt);  // the text colour: cancelled
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdForeColor")), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        auto* exit = fixture.find<tallix::GlyphButton>(QStringLiteral("lblExit"));
        QCOMPARE(exit->currentColor(), QColor(255, 255, 127));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), exit->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(exit, &enter);
        QVERIFY2(exit->currentColor().lightness() > 200, qPrintable(exit->currentColor().name()));

        // Cancel changes nothing.
        fixture.trigger(QStringLiteral("mnuColorArray_0"));
        dialog = fixture.openDialog<tallix::CalcFontDialog>(QStringLiteral("frmCalcFont"));
        QVERIFY(dialog);
        dialog->findChild<QComboBox*>(QStringLiteral("cboSize"))->setEditText(QStringLiteral("20"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        QCOMPARE(fixture.input().font().pointSize(), 8);

        fixture.trigger(QStringLiteral("mnuExit"));
        QCOMPARE(fixture.stored("Font", "FontSize7"), QStringLiteral("24"));
        QCOMPARE(fixture.stored("Font", "FontSize6"), QStringLiteral("8"));
        QCOMPARE(fixture.stored("Color", "BackColor8"), QStringLiteral("0"));
        fixture.verifyQuiet();
    }
};

TALLIX_WINDOW_TEST_MAIN(CalcProgramTest)
#include "calc_program_test.moc"
