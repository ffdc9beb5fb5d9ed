// Copy, paste, the history of copied texts and the periodic refresh.

#include "support/window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>

using uitest::WindowFixture;

namespace {
QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}
}  // namespace

class ClipboardHistoryTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void copyingWithTheErrorShownPutsOnlyTheValueOnTheClipboard() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Option", "ShowError", QStringLiteral("True"));
        fixture.start();
        fixture.convert(QStringLiteral("1.5?"), "meter", "inch");
        const QString shown = fixture.output();
        QVERIFY2(shown.contains(QChar(0xB1)), qPrintable(shown));
        fixture.action("mnuEditArray_0")->trigger();
        QCOMPARE(clipboardText(), shown.left(shown.indexOf(QChar(0xB1)) - 1).trimmed());
        QCOMPARE(clipboardText(), fixture.find<QLineEdit>("txtDest")->text());
        QVERIFY(fixture.action("mnuEditArray_7")->isEnabled());
        emit fixture.find<QMenu>("mnuEdit")->aboutToShow();
        QCOMPARE(fixture.action("mnuEditHistoryArray_0")->text(),
                 QStringLiteral("1.5? meter = ") + shown + QStringLiteral(" inch"));
    }

    void copiesKeepTheNewestEightAndUnitCopiesTakeTheUnitPressed() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(!fixture.action("mnuEditArray_1")->isEnabled());
        fixture.convert(QStringLiteral("1"), "meter", "inch");
        // Ctrl+C in the convert-from box copies the result, not the selection.
        auto* input = fixture.find<QLineEdit>("txtInput");
        input->setFocus();
        input->selectAll();
        QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText(), QStringLiteral("39.3701"));

        for (int i = 1; i <= 9; ++i) {
            input->setText(QString::number(i));
            window.commands().copy(quantora::CopyMode::ConversionResult);
        }
        emit fixture.find<QMenu>("mnuEdit")->aboutToShow();
        for (int slot = 0; slot < 8; ++slot) {
            QAction* item = fixture.action(QStringLiteral("mnuEditHistoryArray_%1").arg(slot));
            QVERIFY2(
                item->isVisible() && item->text().startsWith(QStringLiteral("%1 meter = ").arg(9 - slot)),
                qPrintable(item->text()));
        }
        // Choosing an entry puts exactly that text on the clipboard.
        fixture.action("mnuEditHistoryArray_2")->trigger();
        QCOMPARE(clipboardText(), QStringLiteral("7 meter = 275.591 inch"));

        fixture.clickUnit("foot", Qt::LeftButton);
        fixture.action("mnuEditArray_1")->trigger();
        QCOMPARE(clipboardText(), QStringLiteral("foot 0.3048 0   12 inches"));
        fixture.clickNode(10);
        QVERIFY(!fixture.action("mnuEditArray_1")->isEnabled());
    }

    void theRefreshFollowsTheClipboardTheTreeAndTheList() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        QAction* paste = fixture.action("mnuEditArray_2");
        QAction* button = fixture.action("tbPaste");
        QClipboard* clipboard = QGuiApplication::clipboard();
        // Which texts are numbers is a core rule; here only the wiring.
        clipboard->setText(QStringLiteral("1,5"));
        fixture.refresh();
        QVERIFY(!paste->isEnabled() && !button->isEnabled());
        clipboard->setText(QStringLiteral("2E3"));
        // The timer does it within 400 ms.
        QTRY_VERIFY_WITH_TIMEOUT(paste->isEnabled() && button->isEnabled(), 2000);
        clipboard->setText(QStringLiteral("x"));
        QTRY_VERIFY_WITH_TIMEOUT(!paste->isEnabled(), 2000);
        auto* rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>1.5</b>"));
        clipboard->setMimeData(rich);
        fixture.refresh();
        QVERIFY(paste->isEnabled());
        fixture.convert(QStringLiteral("7"), "meter", "inch");
        clipboard->setText(QStringLiteral("2"));
        fixture.refresh();
        paste->trigger();
        QCOMPARE(fixture.find<QLineEdit>("txtInput")->text(), QStringLiteral("2"));
        QCOMPARE(fixture.output(), QStringLiteral("78.7402"));

        // Every category collapsed turns the table commands off.
        QAction* editMenu = fixture.find<QMenu>("mnuEdit")->menuAction();
        QVERIFY(editMenu->isEnabled() && fixture.action("mnuFileArray_1")->isEnabled());
        for (int node = 2; node <= 6; ++node)
            fixture.node(node)->setExpanded(false);
        fixture.refresh();
        QVERIFY(!editMenu->isEnabled());
        QVERIFY(!fixture.action("mnuFileArray_2")->isEnabled() && !fixture.action("tbSaveAs")->isEnabled());
        // No Edit shortcut gets through a disabled Edit menu.
        clipboard->setText(QStringLiteral("before"));
        fixture.action("mnuEditArray_0")->trigger();
        QCOMPARE(clipboardText(), QStringLiteral("before"));
        fixture.node(4)->setExpanded(true);
        QTRY_VERIFY_WITH_TIMEOUT(editMenu->isEnabled(), 2000);
        QVERIFY(fixture.action("tbSaveAs")->isEnabled());

        // The view commands need units in the list.
        QVERIFY(fixture.action("mnuViewArray_0")->isEnabled());
        fixture.clickNode(3);
        fixture.refresh();
        QVERIFY(!fixture.action("mnuViewArray_0")->isEnabled() && !fixture.action("tbDetails")->isEnabled());
        QCOMPARE(fixture.action("mnuFileArray_6")->text(), QStringLiteral("Start &Batch Conversion..."));
    }
};

QUANTORA_WINDOW_TEST_MAIN(ClipboardHistoryTest)
#include "clipboard_history_test.moc"
