// The calculator window's evaluation cycle, history, menus, paster and send button.

#include "support/calc_fixture.h"

#include "calculator/ui/calc_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using calctest::CalcFixture;

class CalcWindowTest : public calctest::CalcTest {
    Q_OBJECT
private slots:
    void enterShowsTheResultInItsNotation_data() {
        QTest::addColumn<QString>("setting");  // a menu item chosen first, or nothing
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("shown");
        // The notation rules themselves are the core's; here the menus reach them.
        QTest::newRow("regular") << QString() << "1000001"
                                 << "1.0000010E+06";
        QTest::newRow("integer") << "mnuNotationArray_2"
                                 << "2.5"
                                 << "3";
        QTest::newRow("scientific") << "mnuNotationArray_1"
                                    << "1234.5"
                                    << "1.2345000E+03";
        QTest::newRow("6 digits") << "mnuDigitsArray_0"
                                  << "123456.7"
                                  << "123457";
        QTest::newRow("arguments") << QString() << "x^2+2*x+1:3"
                                   << "16.000000";
    }
    void enterShowsTheResultInItsNotation() {
        QFETCH(QString, setting);
        QFETCH(QString, expression);
        QFETCH(QString, shown);
        CalcFixture& fixture = makeFixture();
        fixture.start();
        if (!setting.isEmpty())
            fixture.trigger(setting);
        fixture.evaluate(expression);
        QCOMPARE(fixture.result(), shown);
        // The converter reads every result from the store at once.
        QCOMPARE(fixture.stored("History", "Result"), shown);
    }

    void problemsAreShownInTheResultBox() {
        CalcFixture& fixture = makeFixture();
        fixture.start();
        fixture.evaluate(QStringLiteral("2*(3"));
        QCOMPARE(fixture.result(), QStringLiteral("Too many left bracket(s)"));
        fixture.evaluate(QStringLiteral("2)*3"));
        QCOMPARE(fixture.result(), QStringLiteral("Too many right bracket(s)"));
        fixture.evaluate(QStringLiteral("sqr(-1)"));
        QCOMPARE(fixture.result(), QStringLiteral("Erroneous argument"));
        fixture.evaluate(QStringLiteral("2×π ü €"));
        QCOMPARE(fixture.result(), QStringLiteral("Erroneous expression"));
        // A fourth argument value escapes the evaluation: the box is cleared.
        fixture.evaluate(QStringLiteral("1:2:3:4:5"));
        QCOMPARE(fixture.result(), QString());
        QCOMPARE(fixture.stored("History", "Result"), QString());
        QVERIFY(fixture.messages.shown.empty());
        // Erroneous expressions are history like any other.
        QCOMPARE(fixture.historyShown().first(), QStringLiteral("1:2:3:4:5"));
    }

    void blanksClearTheResultAndAddNoHistory() {
        CalcFixture& fixture = makeFixture();
        fixture.start();
        fixture.evaluate(QStringLiteral("1+1"));
        QCOMPARE(fixture.result(), QStringLiteral("2.0000000"));
        fixture.evaluate(QStringLiteral("   "));
        QCOMPARE(fixture.result(), QString());
        QCOMPARE(fixture.historyShown(), QStringList{QStringLiteral("1+1")});
        QVERIFY(fixture.input().hasFocus());
    }

    void historyKeepsTwelveAndPickingDoesNotMoveAnEntry() {
        CalcFixture& fixture = makeFixture();
        fixture.start();
        QCOMPARE(fixture.historyShown(), QStringList{QStringLiteral("Empty")});
        for (int i = 1; i <= 13; ++i)
            fixture.evaluate(QString::number(i));
        QStringList twelve;
        for (int i = 13; i >= 2; --i)
            twelve << QString::number(i);
        QCOMPARE(fixture.historyShown(), twelve);

        // Entry 5 is "8": picked, it is evaluated again and stays where it is.
        fixture.trigger(QStringLiteral("mnuListArray_5"));
        QCOMPARE(fixture.input().text(), QStringLiteral("8"));
        QCOMPARE(fixture.result(), QStringLiteral("8.0000000"));
        QCOMPARE(fixture.historyShown(), twelve);

        fixture.trigger(QStringLiteral("mnuClear"));
        QCOMPARE(fixture.historyShown(), QStringList{QStringLiteral("Empty")});
        QVERIFY(!fixture.find<QAction>(QStringLiteral("mnuClear"))->isEnabled());
        // Picking "Empty" empties the input and clears the result.
        fixture.trigger(QStringLiteral("mnuListArray_0"));
        QCOMPARE(fixture.input().text(), QString());
        QCOMPARE(fixture.result(), QString());
    }

    void menuChoicesReEvaluateAndKeepOneMarkEach() {
        CalcFixture& fixture = makeFixture();
        tallix::CalcWindow& window = fixture.start();
        fixture.evaluate(QStringLiteral("sin(30)"));
        QCOMPARE(fixture.result(), QStringLiteral("0.50000000"));

        fixture.trigger(QStringLiteral("mnuTrigArray_1"));
        QCOMPARE(fixture.result(), QStringLiteral("-0.98803162"));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" (radian)")));
        QVERIFY(
            fixture.find<QLabel>(QStringLiteral("lblTitle"))->text().endsWith(QStringLiteral("(radian)")));

        fixture.trigger(QStringLiteral("mnuDigitsArray_4"));
        QCOMPARE(fixture.result(), QStringLiteral("-0.9880316241"));
        fixture.trigger(QStringLiteral("mnuNotationArray_1"));
        QCOMPARE(fixture.result(), QStringLiteral("-9.880316241E-01"));
        fixture.trigger(QStringLiteral("mnuNotationArray_2"));
        QCOMPARE(fixture.result(), QStringLiteral("-1"));
        // Choosing the figures leaves integer notation: the scientific mark returns.
        fixture.trigger(QStringLiteral("mnuDigitsArray_9"));
        QCOMPARE(fixture.result(), QStringLiteral("-9.88031624092862E-01"));

        const auto checked = [&fixture](const QString& array, int count) {
            QStringList marks;
            for (int i = 0; i < count; ++i) {
                if (fixture.find<QAction>(array + QString::number(i))->isChecked())
                    marks << QString::number(i);
            }
            return marks;
        };
        QCOMPARE(checked(QStringLiteral("mnuDigitsArray_"), 10), QStringList{QStringLiteral("9")});
        QCOMPARE(checked(QStringLiteral("mnuNotationArray_"), 3), QStringList{QStringLiteral("1")});
        QCOMPARE(checked(QStringLiteral("mnuTrigArray_"), 2), QStringList{QStringLiteral("1")});

        fixture.trigger(QStringLiteral("mnuTrigArray_0"));
        QCOMPARE(fixture.result(), QStringLiteral("5.00000000000000E-01"));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" (degree)")));
    }

    void pasterAndSendReplaceTheSelection() {
        CalcFixture& fixture = makeFixture();
        fixture.start();
        QLineEdit& input = fixture.input();
        input.setText(QStringLiteral("2*x+1"));
        input.setSelection(2, 1);
        fixture.trigger(QStringLiteral("mnuPasterArray_0"));
        QCOMPARE(input.text(), QStringLiteral("2*sqr(+1"));
        QCOMPARE(input.cursorPosition(), input.text().size());
        input.setText(QStringLiteral("ü+"));
        input.setCursorPosition(1);
        fixture.trigger(QStringLiteral("mnuPasterHypArray_12"));
        QCOMPARE(input.text(), QStringLiteral("üacosech(+"));

        fixture.trigger(QStringLiteral("mnuNotationArray_1"));
        fixture.evaluate(QStringLiteral("150000"));
        QCOMPARE(fixture.result(), QStringLiteral("1.5000000E+05"));
        input.setText(QStringLiteral("(1)/2"));
        input.setSelection(1, 1);
        QTest::mouseClick(fixture.find<QToolButton>(QStringLiteral("cmdReplace")), Qt::LeftButton);
        QCOMPARE(input.text(), QStringLiteral("(1.5E+05)/2"));
        QVERIFY(!input.hasSelectedText());

        // A message is never sent.
        fixture.evaluate(QStringLiteral("2*(3"));
        QTest::mouseClick(fixture.find<QToolButton>(QStringLiteral("cmdReplace")), Qt::LeftButton);
        QCOMPARE(input.text(), QStringLiteral("2*(3"));
    }

    void boxesAndWindowWidenWithTheirTexts() {
        CalcFixture& fixture = makeFixture();
        tallix::CalcWindow& window = fixture.start();
        const int narrow = window.width();
        auto* result = fixture.find<QLineEdit>(QStringLiteral("txtCalcResult"));
        fixture.evaluate(QStringLiteral("1"));
        QCOMPARE(window.width(), narrow);
        fixture.input().setText(QString(60, u'1').prepend(QStringLiteral("0*")));
        QVERIFY(window.width() > narrow);
        // The result box stays inside the input box, right of its text.
        const QRect inputBox = fixture.input().geometry();
        QVERIFY(inputBox.contains(result->geometry()));
        QVERIFY(fixture.input().fontMetrics().horizontalAdvance(fixture.input().text()) <
                result->geometry().left() - inputBox.left());
        fixture.trigger(QStringLiteral("mnuDigitsArray_9"));
        QVERIFY(result->fontMetrics().horizontalAdvance(result->text()) < result->width());
    }
};

TALLIX_WINDOW_TEST_MAIN(CalcWindowTest)
#include "calc_window_test.moc"
