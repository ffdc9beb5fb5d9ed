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
    void findNextWrapsForgivesAndFindsQuantities() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        QDialog* find = openFind(fixture);
        QVERIFY(find && find->isVisible());
        auto* text = find->findChild<QLineEdit*>(QStringLiteral("txtFind"));
        auto* next = find->findChild<QPushButton*>(QStringLiteral("cmdFind"));
        auto* matchCase = find->findChild<QCheckBox*>(QStringLiteral("chkCase"));
        QVERIFY(find->findChild<QRadioButton*>(QStringLiteral("optFind_1"))->isChecked());
        struct Step {
            const char* text;  // nullptr: as it is
            bool matchCase;
            const char* title;
            const char* unit;      // the selected unit after the step
            const char* quantity;  // nullptr: not checked
        };
        const Step steps[] = {
            // Without the ring and in capitals: both units, then the end, then the first again.
            {"ANGSTROM", false, "Find", "ångström (Å)", "Length"},
            {nullptr, false, "Find", "elementary charge ångström (e·Å)", nullptr},
            {nullptr, false, "End of Search", nullptr, nullptr},
            {nullptr, false, "Find", "ångström (Å)", nullptr},
            // Match Case: the exact text only.
            {"ANGSTROM", true, "End of Search", nullptr, nullptr},
            {"ångström", true, "Find", nullptr, nullptr},
            // Superscripts as people type them.
            {"km2", false, "Find", "square kilometer (km²)", "Area"},
            // An empty text reports the end without searching.
            {"   ", false, "End of Search", "square kilometer (km²)", nullptr},
        };
        for (const Step& step : steps) {
            const QString name = QString::fromUtf8(step.text ? step.text : "(again)");
            if (step.text)
                text->setText(QString::fromUtf8(step.text));
            matchCase->setChecked(step.matchCase);
            QTest::mouseClick(next, Qt::LeftButton);
            QVERIFY2(find->windowTitle() == QString::fromUtf8(step.title), qPrintable(name));
            if (step.unit)
                QVERIFY2(selectedUnitName(fixture) == QString::fromUtf8(step.unit), qPrintable(name));
            if (step.quantity)
                QVERIFY2(fixture.window().session().selection().quantityName == step.quantity,
                         qPrintable(name));
        }

        // Alt+Q picks quantities, Alt+F finds.
        QTest::keyClick(next, Qt::Key_Q);
        QVERIFY(find->findChild<QRadioButton*>(QStringLiteral("optFind_0"))->isChecked());
        text->setText(QStringLiteral("volume"));
        QTest::keyClick(next, Qt::Key_F);
        QCOMPARE(fixture.window().session().selection().quantityName, std::string("Volume"));
        QCOMPARE(fixture.find<QTreeWidget>(QStringLiteral("TreeView1"))->currentItem()->text(0),
                 QStringLiteral("Volume"));
        find->move(40, 50);
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
        QVERIFY(fixture.window().settings().findLeft > 0);
        // Open when the program ends, it still keeps its place (15 twips a pixel).
        openFind(fixture)->move(60, 70);
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("Form", "FindLeft"), QStringLiteral("900"));
    }

    void numbersSortAsNumbers() {
        const QCollator collator = quantora::nameCollator();
        QVERIFY(collator.compare(QStringLiteral("unit 2"), QStringLiteral("unit 10")) < 0);
        QVERIFY(collator.compare(QStringLiteral("Unit b"), QStringLiteral("unit C")) < 0);
    }

    void sortingTogglesAndKeepsTheSelection() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        constexpr int kMechanicsNode = 3;
        constexpr int kLengthNode = 9;
        const auto checked = [&](const char* name) {
            return fixture.action(QString::fromLatin1(name))->isChecked();
        };
        auto* tree = fixture.find<QTreeWidget>(QStringLiteral("TreeView1"));
        fixture.clickNode(kLengthNode);
        const QStringList groups = childTexts(fixture.node(kMechanicsNode));
        QVERIFY(groups != sortedByName(groups));

        fixture.action(QStringLiteral("mnuViewArrangeArray_0"))->trigger();
        QCOMPARE(childTexts(fixture.node(kMechanicsNode)), sortedByName(groups));
        QVERIFY(checked("mnuViewArrangeArray_0") && checked("tbSortTree"));
        QVERIFY(fixture.window().settings().sortGroup);
        QCOMPARE(tree->currentItem(), fixture.node(kLengthNode));
        // The root's children keep their places.
        QCOMPARE(fixture.node(1)->child(0)->text(0), QStringLiteral("Space and Time"));

        fixture.action(QStringLiteral("tbSortTree"))->trigger();
        QCOMPARE(childTexts(fixture.node(kMechanicsNode)), groups);
        QVERIFY(!checked("mnuViewArrangeArray_0") && !checked("tbSortTree"));
        QCOMPARE(tree->currentItem(), fixture.node(kLengthNode));
        QCOMPARE(fixture.window().session().selection().node, kLengthNode);

        // The list likewise, and a click still picks the unit clicked.
        const QStringList units = unitNames(fixture);
        QVERIFY(units != sortedByName(units));
        fixture.action(QStringLiteral("tbSortList"))->trigger();
        QCOMPARE(unitNames(fixture), sortedByName(units));
        QVERIFY(checked("mnuViewArrangeArray_1"));
        QVERIFY(fixture.window().settings().sortUnit);
        fixture.convert(QStringLiteral("1"), "kilometer (km)", "meter (m)");
        QVERIFY(fixture.output().startsWith(QStringLiteral("1000")));
        fixture.action(QStringLiteral("mnuViewArrangeArray_1"))->trigger();
        QCOMPARE(unitNames(fixture), units);
        QVERIFY(!checked("tbSortList"));
    }
};

}  // namespace

QUANTORA_WINDOW_TEST_MAIN(FindSortTest)
#include "find_sort_test.moc"
