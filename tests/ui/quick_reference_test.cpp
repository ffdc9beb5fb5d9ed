// The quick reference window: opening beside the converter, what it lists for
// a quantity with and without reference items, converted values once both
// units are chosen, a value taken into the convert-from box, and editing its
// items through the pop-up menu, in place and by dragging.

#include "support/window_fixture.h"

#include "converter/table/reference_edits.h"
#include "converter/ui/main_window.h"
#include "converter/ui/reference_list_view.h"
#include "converter/ui/reference_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

using uitest::WindowFixture;

namespace {

constexpr int kLengthNode = 9;

QWidget* openReference(WindowFixture& fixture) {
    QAction* command = fixture.action(QStringLiteral("mnuToolsArray_3"));
    fixture.refresh();
    if (!command->isEnabled())
        return nullptr;
    command->trigger();
    return fixture.find<QWidget>(QStringLiteral("frmRef"));
}

constexpr int kSmallLength = 3;  // Length's quantity in small.dat, its one item "Marathon"

QStringList names(QTreeWidget* list) {
    QStringList out;
    for (int k = 0; k < list->topLevelItemCount(); ++k)
        out << list->topLevelItem(k)->text(0);
    return out;
}

// A right press in the list, as the window system reports it.
void rightPress(QTreeWidget* list, const QPoint& pos) {
    QContextMenuEvent press(QContextMenuEvent::Mouse, pos, list->viewport()->mapToGlobal(pos));
    QCoreApplication::sendEvent(list->viewport(), &press);
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

QPoint belowTheRows(QTreeWidget* list) {
    return {10, list->viewport()->height() - 3};
}

QDialog* openDialog(QWidget* owner, const char* name) {
    return qttest::shown<QDialog>(*owner, QString::fromLatin1(name));
}

using qttest::click;
using qttest::setBox;

class QuickReferenceTest : public uitest::WindowTest {
    Q_OBJECT

private slots:
    void listsItemsThenConvertedValuesAndFollowsTheQuantity() {
        WindowFixture& fixture = makeFixture();
        quantora::MainWindow& window = fixture.start();
        fixture.clickNode(kLengthNode);
        QWidget* reference = openReference(fixture);
        QVERIFY(reference && reference->isVisible());
        QCOMPARE(reference->windowTitle(), QStringLiteral(" Quick Reference - Length"));
        // Placed at the top right of the screen.
        const QRect screen = reference->screen()->availableGeometry();
        QVERIFY(reference->x() > screen.center().x());
        QVERIFY(reference->geometry().right() <= screen.right());

        auto* list = reference->findChild<QTreeWidget*>(QStringLiteral("lvwRef"));
        const quantora::ConversionTable& table = window.table();
        QCOMPARE(list->topLevelItemCount(),
                 static_cast<int>(table.quantity(window.session().selection().quantity).refCount));
        QTreeWidgetItem* first = list->topLevelItem(0);
        QCOMPARE((QStringList{first->text(0), first->text(1), first->text(2)}),
                 (QStringList{QStringLiteral("Planck length"), QStringLiteral("1.616255E-35"), QString()}));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("meter (m)"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("???"));

        fixture.convert(QStringLiteral("1"), "kilometer (km)", "meter (m)");
        fixture.refresh();
        QCOMPARE(list->headerItem()->text(1), QStringLiteral(" kilometer (km)"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral(" meter (m)"));
        const QList<QTreeWidgetItem*> marathon =
            list->findItems(QStringLiteral("Marathon distance"), Qt::MatchExactly);
        QCOMPARE(marathon.size(), 1);
        QCOMPARE(marathon[0]->text(1), QStringLiteral("42.1950"));

        // Enter on the row: its convert-from value goes into the box and converts.
        list->setCurrentItem(marathon[0]);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(fixture.find<QLineEdit>(QStringLiteral("txtInput"))->text(), QStringLiteral("42.1950"));
        QVERIFY(fixture.output().startsWith(QStringLiteral("42195")));

        // A quantity without items: an empty list under its name.
        int bare = 0;
        for (int m = 3; m <= table.allocationCount && !bare; ++m) {
            const quantora::Quantity& q = table.quantity(table.allocation(m).quantityNo);
            if (q.refCount == 0 && q.unitCount > 0)
                bare = table.allocationNode(m);
        }
        QVERIFY(bare > 0);
        fixture.clickNode(bare);
        fixture.refresh();
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(reference->windowTitle().endsWith(
            QString::fromStdString(window.session().selection().quantityName)));

        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!reference->isVisible());
        QVERIFY(window.settings().refLeft > 0);
    }

    void itemsAreInsertedAddedEditedAndRemovedFromThePopUp() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.expectDialog(QStringLiteral("frmRefProp"));
        fixture.expectDialog(QStringLiteral("frmDelete"));
        fixture.setSetting("Option", "StayTop", QStringLiteral("1"));
        quantora::MainWindow& window = fixture.start();
        fixture.clickNode(kLengthNode);
        auto* reference = qobject_cast<quantora::ReferenceWindow*>(openReference(fixture));
        QVERIFY(reference);
        QTreeWidget* list = &reference->list();
        QAction* insert = reference->findChild<QAction*>(QStringLiteral("mnuMenuArray_1"));
        QAction* remove = reference->findChild<QAction*>(QStringLiteral("mnuMenuArray_2"));

        // Beside the rows Insert and Delete are off; on a row they are on and it is selected.
        rightPress(list, belowTheRows(list));
        QVERIFY(!insert->isEnabled() && !remove->isEnabled());
        rightPress(list, list->visualItemRect(list->topLevelItem(0)).center());
        QVERIFY(insert->isEnabled() && remove->isEnabled());
        QCOMPARE(list->topLevelItem(0)->isSelected(), true);

        insert->trigger();
        QVERIFY(!(reference->windowFlags() & Qt::WindowStaysOnTopHint));
        QDialog* dialog = nullptr;
        QVERIFY(dialog = openDialog(reference, "frmRefProp"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Insert Reference Data"));
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtValue"))->text(),
                 QStringLiteral("New value (Rename it!)"));
        setBox(dialog, "txtName", QStringLiteral(" Walk "));
        setBox(dialog, "txtValue", QStringLiteral(" 1.5 "));
        click(dialog, "cmdOK");
        QCOMPARE(names(list), (QStringList{QStringLiteral("Marathon"), QStringLiteral("Walk")}));
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("1.5"));
        QVERIFY(list->topLevelItem(1)->isSelected());
        QVERIFY(reference->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.table().changed);

        // Add appends whatever is selected; Properties edits the selected item.
        list->setCurrentItem(list->topLevelItem(0));
        reference->command(quantora::ReferenceMenuItem::Add);
        QVERIFY(dialog = openDialog(reference, "frmRefProp"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Add"));
        setBox(dialog, "txtName", QStringLiteral("Mile run"));
        click(dialog, "cmdOK");
        QCOMPARE(names(list).last(), QStringLiteral("Mile run"));
        list->setCurrentItem(list->topLevelItem(1));
        // Active again after the dialog, the window takes its keys.
        QTRY_COMPARE(QApplication::activeWindow(), reference);
        QTest::keyClick(list, Qt::Key_Return, Qt::AltModifier);
        QVERIFY(dialog = openDialog(reference, "frmRefProp"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Edit"));
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QStringLiteral("Walk"));
        setBox(dialog, "txtValue", QStringLiteral("2"));
        click(dialog, "cmdOK");
        QCOMPARE(window.table().reference(kSmallLength, 2), (quantora::ReferenceItem{"Walk", "2"}));

        // Delete asks first; Yes removes the selected item.
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(dialog = openDialog(reference, "frmDelete"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblQuestion"))->text(),
                 QStringLiteral("Do you really want to remove 'Walk' from the list?"));
        click(dialog, "cmdYes");
        QCOMPARE(names(list), (QStringList{QStringLiteral("Marathon"), QStringLiteral("Mile run")}));

        // At 20 items the command says so and opens nothing.
        for (int k = 2; k < quantora::kMaxReferenceItems; ++k)
            QVERIFY(quantora::insertReference(window.table(), kSmallLength, {"More", "1"}, k).ok());
        reference->refresh(true);
        QTest::keyClick(list, Qt::Key_Insert);
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("The number of reference data will exceed the limit (20)."));
        QVERIFY(!openDialog(reference, "frmRefProp"));
        QVERIFY(reference->windowFlags() & Qt::WindowStaysOnTopHint);
        // Closed, it hands the place on top back to the main window.
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        reference->close();
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void rowsAreRenamedInPlaceAndMovedByDropping() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        // The periodic refresh would compact the items at a moment of its own.
        window.commands().spyTimer().stop();
        fixture.clickNode(kLengthNode);
        for (const char* name : {"B", "C", "D"}) {
            const int count = window.table().quantity(kSmallLength).refCount;
            QVERIFY(quantora::insertReference(window.table(), kSmallLength, {name, "1"}, count).ok());
        }
        window.table().changed = false;
        auto* reference = qobject_cast<quantora::ReferenceWindow*>(openReference(fixture));
        QVERIFY(reference);
        auto* list = static_cast<quantora::ReferenceListView*>(&reference->list());
        QCOMPARE(names(list), (QStringList{"Marathon", "B", "C", "D"}));

        // The first row dropped onto the third goes right after it, and stays selected.
        list->setCurrentItem(list->topLevelItem(0));
        list->dropSelectedAt(list->visualItemRect(list->topLevelItem(2)).center());
        QCOMPARE(names(list), (QStringList{"B", "C", "Marathon", "D"}));
        QVERIFY(list->topLevelItem(2)->isSelected());
        QVERIFY(window.table().changed);
        list->dropSelectedAt(belowTheRows(list));
        QCOMPARE(names(list), (QStringList{"B", "C", "Marathon", "D"}));

        // F2 renames the name, kept as typed; an emptied name goes at the refresh after.
        list->setCurrentItem(list->topLevelItem(0), 1);
        QTest::keyClick(list, Qt::Key_F2);
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = list->viewport()->findChild<QLineEdit*>()) != nullptr);
        editor->setText(QStringLiteral(" Bee; "));
        QTest::keyClick(editor, Qt::Key_Return);
        // Committed once the editor has closed.
        QTRY_COMPARE(window.table().reference(kSmallLength, 1).name, std::string(" Bee: "));
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_F2);
        QTRY_VERIFY((editor = list->viewport()->findChild<QLineEdit*>()) != nullptr);
        editor->clear();
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(window.table().reference(kSmallLength, 2).name.empty());
        QVERIFY(reference->findChild<QTimer*>(QStringLiteral("tmrWait"))->isActive());
        reference->refresh(true);
        QCOMPARE(names(list), (QStringList{" Bee: ", "Marathon", "D"}));
        QCOMPARE(window.table().quantity(kSmallLength).refCount, 3);
    }
};

}  // namespace

QUANTORA_WINDOW_TEST_MAIN(QuickReferenceTest)
#include "quick_reference_test.moc"
