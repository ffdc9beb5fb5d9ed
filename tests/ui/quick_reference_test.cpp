// The quick reference window: opening beside the converter, what it lists for
// a quantity with and without reference items, converted values once both
// units are chosen, and a value taken into the convert-from box.

#include "support/window_fixture.h"

#include "converter/ui/main_window.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
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

QStringList row(QTreeWidget* list, int k) {
    QTreeWidgetItem* item = list->topLevelItem(k);
    return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
}

class QuickReferenceTest : public uitest::WindowTest {
    Q_OBJECT

private slots:
    void listsItemsThenConvertedValuesAndHandsOneOver() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        fixture.clickNode(kLengthNode);
        QWidget* reference = openReference(fixture);
        QVERIFY(reference && reference->isVisible());
        QCOMPARE(reference->windowTitle(), QStringLiteral(" Quick Reference - Length"));
        // Placed at the top right of the screen.
        const QRect screen = reference->screen()->availableGeometry();
        QVERIFY(reference->x() > screen.center().x());
        QVERIFY(reference->geometry().right() <= screen.right());

        auto* list = reference->findChild<QTreeWidget*>(QStringLiteral("lvwRef"));
        QCOMPARE(
            list->topLevelItemCount(),
            static_cast<int>(
                fixture.window().table().quantity(fixture.window().session().selection().quantity).refCount));
        QCOMPARE(row(list, 0),
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

        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!reference->isVisible());
        QVERIFY(fixture.window().settings().refLeft > 0);
    }

    void followsToAQuantityWithoutItems() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        fixture.clickNode(kLengthNode);
        QWidget* reference = openReference(fixture);
        QVERIFY(reference);
        const quantora::ConversionTable& table = fixture.window().table();
        int bare = 0;
        for (int m = 3; m <= table.allocationCount && !bare; ++m) {
            const quantora::Quantity& q = table.quantity(table.allocation(m).quantityNo);
            if (q.refCount == 0 && q.unitCount > 0)
                bare = table.allocationNode(m);
        }
        QVERIFY(bare > 0);
        fixture.clickNode(bare);
        fixture.refresh();
        auto* list = reference->findChild<QTreeWidget*>(QStringLiteral("lvwRef"));
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(reference->windowTitle().endsWith(
            QString::fromStdString(fixture.window().session().selection().quantityName)));
        reference->close();
    }
};

}  // namespace

QUANTORA_WINDOW_TEST_MAIN(QuickReferenceTest)
#include "quick_reference_test.moc"
