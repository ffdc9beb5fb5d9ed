// Finding units and quantities from the find window, and sorting the tree
// and the list from the Arrange menu and the toolbar.

#include "support/window_fixture.h"

#include "converter/ui/main_window.h"
#include "converter/ui/name_order.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>

using uitest::WindowFixture;

namespace {

QDialog* openFind(WindowFixture& fixture) {
    fixture.action(QStringLiteral("mnuEditArray_9"))->trigger();
    return fixture.find<QDialog>(QStringLiteral("frmFind"));
}

QStringList childTexts(QTreeWidgetItem* item) {
    QStringList texts;
    for (int k = 0; k < item->childCount(); ++k)
        texts << item->child(k)->text(0);
    return texts;
}

QStringList unitNames(WindowFixture& fixture) {
    auto* list = fixture.find<quantora::UnitListView>(QStringLiteral("ListView1"));
    QStringList names;
    for (int row = 0; row < list->itemCount(); ++row)
        names << list->nameOfRow(row);
    return names;
}

QStringList sortedByName(QStringList texts) {
    const QCollator collator = quantora::nameCollator();
    std::stable_sort(texts.begin(), texts.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return texts;
}

QString selectedUnitName(WindowFixture& fixture) {
    auto* list = fixture.find<quantora::UnitListView>(QStringLiteral("ListView1"));
    const std::optional<int> row = list->currentRow();
    return row ? list->nameOfRow(*row) : QString();
}

class FindSortTest : public uitest::WindowTest {
    Q_OBJECT

private slots:
    void findNextWrapsAndForgives() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        QDialog* find = openFind(fixture);
        QVERIFY(find && find->isVisible());
        auto* text = find->findChild<QLineEdit*>(QStringLiteral("txtFind"));
        auto* next = find->findChild<QPushButton*>(QStringLiteral("cmdFind"));
        QVERIFY(find->findChild<QRadioButton*>(QStringLiteral("optFind_1"))->isChecked());

        // Typed without the ring and in capitals: both units, then the end, then the first again.
        text->setText(QStringLiteral("ANGSTROM"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(find->windowTitle(), QStringLiteral("Find"));
        QCOMPARE(QString::fromStdString(fixture.window().session().selection().quantityName),
                 QStringLiteral("Length"));
        QCOMPARE(selectedUnitName(fixture), QStringLiteral("ångström (Å)"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(selectedUnitName(fixture), QStringLiteral("elementary charge ångström (e·Å)"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(find->windowTitle(), QStringLiteral("End of Search"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(find->windowTitle(), QStringLiteral("Find"));
        QCOMPARE(selectedUnitName(fixture), QStringLiteral("ångström (Å)"));

        // Match Case: the exact text only.
        find->findChild<QCheckBox*>(QStringLiteral("chkCase"))->setChecked(true);
        text->setText(QStringLiteral("ANGSTROM"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(find->windowTitle(), QStringLiteral("End of Search"));
        text->setText(QStringLiteral("ångström"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(find->windowTitle(), QStringLiteral("Find"));

        // Superscripts and the micro sign as people type them.
        find->findChild<QCheckBox*>(QStringLiteral("chkCase"))->setChecked(false);
        text->setText(QStringLiteral("km2"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(selectedUnitName(fixture), QStringLiteral("square kilometer (km²)"));
        QCOMPARE(QString::fromStdString(fixture.window().session().selection().quantityName),
                 QStringLiteral("Area"));

        // An empty text reports the end without searching.
        text->setText(QStringLiteral("   "));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(find->windowTitle(), QStringLiteral("End of Search"));
        QCOMPARE(selectedUnitName(fixture), QStringLiteral("square kilometer (km²)"));
    }

    void findsQuantitiesAndClosesWithEscape() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        QDialog* find = openFind(fixture);
        QTest::keyClick(find->findChild<QPushButton*>(QStringLiteral("cmdFind")), Qt::Key_Q);
        QVERIFY(find->findChild<QRadioButton*>(QStringLiteral("optFind_0"))->isChecked());
        find->findChild<QLineEdit*>(QStringLiteral("txtFind"))->setText(QStringLiteral("volume"));
        QTest::keyClick(find->findChild<QPushButton*>(QStringLiteral("cmdFind")), Qt::Key_F);
        const auto& selection = fixture.window().session().selection();
        QCOMPARE(QString::fromStdString(selection.quantityName), QStringLiteral("Volume"));
        QCOMPARE(fixture.find<QTreeWidget>(QStringLiteral("TreeView1"))->currentItem()->text(0),
                 QStringLiteral("Volume"));
        find->move(40, 50);
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
        QVERIFY(fixture.window().settings().findLeft > 0);
    }

    void numbersSortAsNumbers() {
        const QCollator collator = quantora::nameCollator();
        QVERIFY(collator.compare(QStringLiteral("unit 2"), QStringLiteral("unit 10")) < 0);
        QVERIFY(collator.compare(QStringLiteral("Unit b"), QStringLiteral("unit C")) < 0);
    }

    void treeSortTogglesAndKeepsTheSelection() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        constexpr int kMechanicsNode = 3;
        constexpr int kLengthNode = 9;
        fixture.clickNode(kLengthNode);
        QTreeWidgetItem* mechanics = fixture.node(kMechanicsNode);
        const QStringList tableOrder = childTexts(mechanics);
        QVERIFY(tableOrder != sortedByName(tableOrder));

        fixture.action(QStringLiteral("mnuViewArrangeArray_0"))->trigger();
        QCOMPARE(childTexts(fixture.node(kMechanicsNode)), sortedByName(tableOrder));
        QVERIFY(fixture.action(QStringLiteral("mnuViewArrangeArray_0"))->isChecked());
        QVERIFY(fixture.action(QStringLiteral("tbSortTree"))->isChecked());
        QVERIFY(fixture.window().settings().sortGroup);
        QCOMPARE(fixture.find<QTreeWidget>(QStringLiteral("TreeView1"))->currentItem(),
                 fixture.node(kLengthNode));
        // The root's children keep their places.
        QCOMPARE(fixture.node(1)->child(0)->text(0), QStringLiteral("Space and Time"));

        fixture.action(QStringLiteral("tbSortTree"))->trigger();
        QCOMPARE(childTexts(fixture.node(kMechanicsNode)), tableOrder);
        QVERIFY(!fixture.action(QStringLiteral("mnuViewArrangeArray_0"))->isChecked());
        QVERIFY(!fixture.action(QStringLiteral("tbSortTree"))->isChecked());
        QCOMPARE(fixture.find<QTreeWidget>(QStringLiteral("TreeView1"))->currentItem(),
                 fixture.node(kLengthNode));
        QCOMPARE(fixture.window().session().selection().node, kLengthNode);
    }

    void listSortTogglesAndStillPicksTheClickedUnit() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        fixture.clickNode(9);
        const QStringList tableOrder = unitNames(fixture);
        QVERIFY(tableOrder != sortedByName(tableOrder));

        fixture.action(QStringLiteral("tbSortList"))->trigger();
        QCOMPARE(unitNames(fixture), sortedByName(tableOrder));
        QVERIFY(fixture.action(QStringLiteral("mnuViewArrangeArray_1"))->isChecked());
        QVERIFY(fixture.window().settings().sortUnit);
        fixture.convert(QStringLiteral("1"), "kilometer (km)", "meter (m)");
        QVERIFY(fixture.output().startsWith(QStringLiteral("1000")));

        fixture.action(QStringLiteral("mnuViewArrangeArray_1"))->trigger();
        QCOMPARE(unitNames(fixture), tableOrder);
        QVERIFY(!fixture.action(QStringLiteral("tbSortList"))->isChecked());
    }
};

}  // namespace

QUANTORA_WINDOW_TEST_MAIN(FindSortTest)
#include "find_sort_test.moc"
