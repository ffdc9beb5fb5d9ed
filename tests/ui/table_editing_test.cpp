// Editing the table from the window: pop-up menus, the property dialogs,
// rename in place, removal, the dimension limits and the memo window.

#include "support/window_fixture.h"

#include "converter/ui/help_window.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using uitest::WindowFixture;

namespace {

constexpr int kRootNode = 1;
constexpr int kSpaceNode = 2;  // the first category
constexpr int kMechanicsNode = 3;
constexpr int kNumberSystemNode = 7;
constexpr int kConstantsNode = 8;
constexpr int kLengthNode = 9;
constexpr int kTimeNode = 10;

void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void rightPressNode(WindowFixture& fixture, int index) {
    auto* tree = fixture.find<QTreeWidget>("TreeView1");
    QTreeWidgetItem* item = fixture.node(index);
    QVERIFY(item);
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree->scrollToItem(item);
    QTest::mousePress(tree->viewport(), Qt::RightButton, {}, tree->visualItemRect(item).center());
}

void rightPressEmptyList(WindowFixture& fixture) {
    QWidget* viewport = fixture.find<quantora::UnitListView>("ListView1")->activeViewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(10, viewport->height() - 3));
}

QString stateOf(WindowFixture& fixture, const QString& name) {
    QAction* action = fixture.action(name);
    if (!action->isVisible())
        return QStringLiteral("hidden");
    return action->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
}

QString unitStates(WindowFixture& fixture) {
    QStringList result;
    for (const char* item : {"mnuShowMemoArray_0", "mnuEditUnitArray_0", "mnuEditUnitArray_1",
                             "mnuEditUnitArray_2", "mnuEditUnitArray_3", "mnuEditUnitArray_5"})
        result << stateOf(fixture, QString::fromLatin1(item));
    return result.join(u' ');
}

// The dialog the menu item opens; closed ones wait for their deletion.
QDialog* dialogOf(WindowFixture& fixture, const char* item, const char* name) {
    fixture.action(QString::fromLatin1(item))->trigger();
    return qttest::shown<QDialog>(fixture.window(), QString::fromLatin1(name));
}

using qttest::click;
using qttest::setBox;

}  // namespace

class TableEditingTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void treePopupsFollowTheNode() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        struct Case {
            int node;
            const char* menu;
            const char* first;
            const char* states;  // item 0, Delete, Properties
        };
        const Case cases[] = {
            {kRootNode, "mnuEditCategory", "Add...", "on off off"},
            {kSpaceNode, "mnuEditCategory", "Add...", "on off on"},
            {kMechanicsNode, "mnuEditCategory", "Add...", "on on on"},
            {kNumberSystemNode, "mnuEditGroup", "Add...", "off off on"},
            {kConstantsNode, "mnuEditGroup", "Add...", "off off on"},
            {kLengthNode, "mnuEditGroup", "Insert...", "on on on"},
        };
        for (const Case& c : cases) {
            rightPressNode(fixture, c.node);
            const QString menu = QString::fromLatin1(c.menu);
            QVERIFY2(fixture.find<QMenu>(menu)->isVisible(), c.menu);
            QCOMPARE(fixture.action(menu + QStringLiteral("Array_0"))->text(), QString::fromLatin1(c.first));
            QStringList states;
            for (const char* index : {"Array_0", "Array_1", "Array_3"})
                states << stateOf(fixture, menu + QString::fromLatin1(index));
            QCOMPARE(states.join(u' '), QString::fromLatin1(c.states));
            closePopups();
        }
    }

    void unitPopupsFollowThePlace() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        // The empty area: the menu at once, for adding and for the column titles.
        rightPressEmptyList(fixture);
        QVERIFY(fixture.find<QMenu>("mnuEditUnit")->isVisible());
        QCOMPARE(fixture.action("mnuEditUnitArray_2")->text(), QStringLiteral("&Add..."));
        QCOMPARE(unitStates(fixture), QStringLiteral("hidden hidden hidden on off on"));
        closePopups();
        // Ctrl+M works again once the menu is gone.
        QCOMPARE(stateOf(fixture, "mnuShowMemoArray_0"), QStringLiteral("on"));

        fixture.clickUnit("inch", Qt::RightButton);
        QCOMPARE(fixture.action("mnuEditUnitArray_2")->text(), QStringLiteral("&Insert..."));
        QCOMPARE(unitStates(fixture), QStringLiteral("on on on on on on"));

        fixture.clickNode(kNumberSystemNode);
        rightPressEmptyList(fixture);
        QCOMPARE(stateOf(fixture, "mnuEditUnitArray_2"), QStringLiteral("off"));
        closePopups();
        fixture.clickUnit("Octal", Qt::RightButton);
        QCOMPARE(unitStates(fixture), QStringLiteral("on on hidden off off off"));
        // A normal click cancels the pending pop-up.
        fixture.clickUnit("Octal", Qt::LeftButton);
    }

    void theModifyOptionOffLocksTheTable() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Option", "Modify", QStringLiteral("0"));
        quantora::MainWindow& window = fixture.start();
        rightPressNode(fixture, kLengthNode);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(window.session().selection().node, kLengthNode);
        rightPressEmptyList(fixture);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        fixture.clickUnit("inch", Qt::RightButton);
        QCOMPARE(unitStates(fixture), QStringLiteral("on on on on off off"));
        fixture.clickUnit("meter", Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(fixture.find<QWidget>("frmMemo")->findChild<QPlainTextEdit*>("txtMemo")->isReadOnly());
    }

    void unitsAreAddedAndEditedThroughTheDialog() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.expectDialog(QStringLiteral("frmUnitProp"));
        quantora::MainWindow& window = fixture.start();
        fixture.clickUnit("inch", Qt::RightButton);
        QDialog* dialog = nullptr;
        QVERIFY(dialog = dialogOf(fixture, "mnuEditUnitArray_2", "frmUnitProp"));
        QCOMPARE(dialog->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("New unit (Rename it!)"));
        setBox(dialog, "txtName", QStringLiteral(" yard "));
        setBox(dialog, "txtRate", QStringLiteral("0.9144"));
        QTest::mouseClick(dialog->findChild<QRadioButton*>("optColor_2"), Qt::LeftButton);
        click(dialog, "cmdOK");
        QVERIFY(!dialog->isVisible());
        // Right after the unit pressed, its name trimmed; the picked units are gone.
        QCOMPARE(fixture.rowOf(QStringLiteral("yard")), fixture.rowOf(QStringLiteral("inch")) + 1);
        QCOMPARE(window.table().unit(3, 4).icon, 3);
        QVERIFY(window.table().changed);
        QCOMPARE(fixture.panel(4), QString());
        fixture.convert(QStringLiteral("2"), "yard", "foot");
        QCOMPARE(fixture.output(), QStringLiteral("6.00000"));

        fixture.convert(QStringLiteral("1"), "meter", "foot");
        QCOMPARE(fixture.output(), QStringLiteral("3.28084"));
        window.table().changed = false;
        QVERIFY(dialog = dialogOf(fixture, "mnuEditUnitArray_5", "frmUnitProp"));
        QCOMPARE(dialog->findChild<QLineEdit*>("txtRate")->text(), QStringLiteral("0.3048"));
        setBox(dialog, "txtRate", QStringLiteral("0.5"));
        click(dialog, "cmdOK");
        QCOMPARE(window.table().unit(3, 5).rate, std::string("0.5"));
        QVERIFY(window.table().changed);
        QCOMPARE(fixture.output(), QString());
        fixture.convert(QStringLiteral("1"), "meter", "foot");
        QCOMPARE(fixture.output(), QStringLiteral("2.00000"));

        // Unchanged boxes leave the table as it was.
        window.table().changed = false;
        QVERIFY(dialog = dialogOf(fixture, "mnuEditUnitArray_5", "frmUnitProp"));
        click(dialog, "cmdOK");
        QVERIFY(!window.table().changed);
    }

    void theHelpButtonOpensItsTopic() {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Quantora.hlp");
        if (!QFile::exists(beside))
            QFile::copy(QStringLiteral(BUNDLED_DATA_DIR "/../help/Quantora.hlp"), beside);
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.expectDialog(QStringLiteral("frmConstProp"));
        fixture.start();
        fixture.clickNode(kConstantsNode);
        fixture.clickUnit("Speed of light", Qt::RightButton);
        QDialog* dialog = nullptr;
        QVERIFY(dialog = dialogOf(fixture, "mnuEditUnitArray_5", "frmConstProp"));
        QCOMPARE(dialog->findChild<QLineEdit*>("txtUnit")->text(), QStringLiteral("m/s"));
        click(dialog, "cmdHelp");
        auto* help = dialog->findChild<quantora::HelpWindow*>("frmHelp");
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentAnchor(), QStringLiteral("topic58"));
        QVERIFY(dialog->isVisible());
        click(dialog, "cmdCancel");
    }

    void namesAreRenamedInPlace() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        auto* tree = fixture.find<QTreeWidget>("TreeView1");
        fixture.clickNode(kLengthNode);
        fixture.clickNode(kLengthNode);
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = tree->viewport()->findChild<QLineEdit*>()) != nullptr);
        editor->setText(QStringLiteral("Distance;s "));
        QTest::keyClick(editor, Qt::Key_Return);
        // What the file can hold, shown at once in the node and the caption.
        QTRY_COMPARE(window.table().quantity(3).name, std::string("Distance:s"));
        QCOMPARE(fixture.node(kLengthNode)->text(0), QStringLiteral("Distance:s"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Distance:s - Quantora 2000 "));
        QVERIFY(window.table().changed);

        fixture.convert(QStringLiteral("1"), "meter", "inch");
        fixture.clickUnit("inch", Qt::LeftButton);
        auto* list = fixture.find<quantora::UnitListView>("ListView1");
        QTRY_VERIFY((editor = list->activeViewport()->findChild<QLineEdit*>()) != nullptr);
        editor->setText(QStringLiteral("in"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(window.table().unit(3, 3).name, std::string("in"));
        QVERIFY(fixture.rowOf(QStringLiteral("in")) >= 0);
        QCOMPARE(fixture.panel(2), QString());
        QCOMPARE(fixture.panel(4), QString());
        QCOMPARE(fixture.output(), QString());

        // The root is never renamed.
        fixture.clickNode(kRootNode);
        fixture.clickNode(kRootNode);
        QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void aRemovedQuantityLeavesTheTreeButKeepsItsRecord() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.expectDialog(QStringLiteral("frmDelete"));
        quantora::MainWindow& window = fixture.start();
        rightPressNode(fixture, kTimeNode);
        closePopups();
        QDialog* dialog = nullptr;
        QVERIFY(dialog = dialogOf(fixture, "mnuEditGroupArray_1", "frmDelete"));
        QCOMPARE(
            dialog->findChild<QLabel*>("lblQuestion")->text(),
            QStringLiteral("Do you really want to remove 'Time' from the tree?\n\nThe physical quantity goes "
                           "with its 3 units. This cannot be undone."));
        // N on the focused No button declines.
        QTest::keyClick(dialog->findChild<QPushButton*>("CmdNo"), Qt::Key_N);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window.table().allocationCount, 7);

        QVERIFY(dialog = dialogOf(fixture, "mnuEditGroupArray_1", "frmDelete"));
        click(dialog, "cmdYes");
        QCOMPARE(window.table().allocationCount, 6);
        QCOMPARE(window.table().quantityCount, 7);
        QCOMPARE(window.session().selection().node, kSpaceNode);
        QCOMPARE(fixture.node(kTimeNode)->text(0), QStringLiteral("Mass"));
        QCOMPARE(fixture.find<quantora::UnitListView>("ListView1")->itemCount(), 0);
        QVERIFY(window.table().changed);
    }

    void aTableEditedThroughTheDialogsSavesLoadsAndConverts() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        for (const char* name : {"frmCatProp", "frmUnitProp"})
            fixture.expectDialog(QString::fromLatin1(name));
        quantora::MainWindow& window = fixture.start();
        QDialog* dialog = nullptr;
        int node = kRootNode;
        for (const auto& [title, name] :
             {std::pair{" Category Properties", "Money"}, {" Physical Quantity Properties", "Coins"}}) {
            rightPressNode(fixture, node);
            closePopups();
            QVERIFY(dialog = dialogOf(fixture, "mnuEditCategoryArray_0", "frmCatProp"));
            QCOMPARE(dialog->windowTitle(), QString::fromLatin1(title));
            setBox(dialog, "txtName", QString::fromLatin1(name));
            click(dialog, "cmdOK");
            node = window.session().selection().node;
            QCOMPARE(fixture.node(node)->text(0), QString::fromLatin1(name));
        }
        QCOMPARE(window.windowTitle(), QStringLiteral("Coins - Quantora 2000 "));

        for (const auto& [name, rate] : {std::pair{"cent", "0.01"}, {"dollar", "1"}}) {
            rightPressEmptyList(fixture);
            closePopups();
            QVERIFY(dialog = dialogOf(fixture, "mnuEditUnitArray_2", "frmUnitProp"));
            setBox(dialog, "txtName", QString::fromLatin1(name));
            setBox(dialog, "txtRate", QString::fromLatin1(rate));
            dialog->findChild<QPlainTextEdit*>("txtMemo")->setPlainText(QStringLiteral("two\nlines"));
            click(dialog, "cmdOK");
        }

        fixture.messages.answerNext(common::NoticeAnswer::Yes);
        fixture.action("mnuFileArray_1")->trigger();
        QVERIFY(!window.table().changed);
        fixture.files.chooseNext(fixture.tablePath());
        fixture.action("mnuFileArray_0")->trigger();
        QCOMPARE(window.table().quantity(8).name, std::string("Coins"));
        QCOMPARE(window.table().unit(8, 1).memo, std::string("two lines"));
        fixture.clickNode(node);
        fixture.convert(QStringLiteral("3"), "dollar", "cent");
        QCOMPARE(fixture.output(), QStringLiteral("300.000"));
    }

    void theDimensionsDialogRefusesLimitsTheTableDoesNotFit() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.expectDialog(QStringLiteral("frmDimProp"));
        quantora::MainWindow& window = fixture.start();
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        auto* dialog = window.findChild<QDialog*>("frmDimProp");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLineEdit*>("txtDim_0")->text(), QStringLiteral("30"));
        setBox(dialog, "txtDim_0", QStringLiteral("4"));
        click(dialog, "cmdOK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(fixture.messages.shown[0].text)
                    .contains(QStringLiteral("from 5 to 32767")));
        QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit*>("txtDim_0"));
        QCOMPARE(window.settings().limits.maxCategory, 30);

        setBox(dialog, "txtDim_0", QStringLiteral("40"));
        click(dialog, "cmdOK");
        QVERIFY(!dialog->isVisible());
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("Dim", "Category"), QStringLiteral("40"));
    }

    void memoEditsMarkTheTableChanged() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        // Shift with a click opens the memo, too.
        fixture.clickUnit(fixture.rowOf(QStringLiteral("foot")), Qt::LeftButton, Qt::ShiftModifier);
        auto* memo = fixture.find<QWidget>("frmMemo");
        QVERIFY(memo && memo->isVisible());
        QCOMPARE(memo->windowTitle(), QStringLiteral(" foot"));
        QTest::keyClick(memo->findChild<QPlainTextEdit*>("txtMemo"), Qt::Key_Escape);
        QTRY_COMPARE(fixture.find<QWidget>("frmMemo"), nullptr);
        QVERIFY(!window.table().changed);

        fixture.clickUnit("mile", Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(memo = fixture.find<QWidget>("frmMemo"));
        auto* text = memo->findChild<QPlainTextEdit*>("txtMemo");
        QVERIFY(!text->isReadOnly());
        text->setPlainText(QStringLiteral("Statute mile\n5280 feet"));
        memo->close();
        QVERIFY(window.table().changed);
        QCOMPARE(window.table().unit(3, 5).memo, std::string("Statute mile 5280 feet"));
    }
};

QUANTORA_WINDOW_TEST_MAIN(TableEditingTest)
#include "table_editing_test.moc"
