// Picking units in the list and converting as the user types.

#include "support/window_fixture.h"

#include "converter/ui/hint_window.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

using uitest::WindowFixture;

namespace {
constexpr int kNumberSystemNode = 7, kConstantsNode = 8, kLengthNode = 9, kTimeNode = 10;
}  // namespace

class UnitConversionTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void clicksPickTheUnitsTypingConvertsAndTheSwapExchanges() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        auto* input = fixture.find<QLineEdit>("txtInput");
        auto* arrow = fixture.find<QLabel>("imgPoint");
        auto* swapMenu = fixture.find<QMenu>("mnuSwap");
        // No swap without both units.
        QTest::mousePress(arrow, Qt::RightButton);
        QVERIFY(!swapMenu->isVisible());

        input->setText(QStringLiteral("1"));
        fixture.clickUnit("meter", Qt::LeftButton);
        QCOMPARE(fixture.panel(2), QStringLiteral("meter"));
        QCOMPARE(fixture.output(), QString());
        fixture.clickUnit("inch", Qt::RightButton);
        QCOMPARE(fixture.panel(4), QStringLiteral("inch"));
        QCOMPARE(fixture.output(), QStringLiteral("39.3701"));
        QVERIFY(input->hasFocus());
        QCOMPARE(input->cursorPosition(), 0);
        QCOMPARE(arrow->toolTip(), QStringLiteral("Right-click here to swap the units."));
        input->clear();
        fixture.typeInput(QStringLiteral("2.5"));
        QCOMPARE(fixture.output(), QStringLiteral("98.4252"));
        QCOMPARE(fixture.find<QLineEdit>("txtDest")->text(), QStringLiteral("98.4252"));
        fixture.typeInput(QStringLiteral("x"));
        QCOMPARE(fixture.output(), QStringLiteral("Input error"));
        input->setText(QStringLiteral("-"));
        QCOMPARE(fixture.output(), QString());
        QVERIFY(!fixture.action("mnuEditArray_0")->isEnabled());
        input->setText(QStringLiteral("1"));
        QVERIFY(fixture.action("mnuEditArray_0")->isEnabled() && fixture.action("tbCopy")->isEnabled());

        // Ctrl+W, then the arrow's menu, swap the units.
        fixture.convert(QStringLiteral("1"), "foot", "meter");
        QCOMPARE(fixture.output(), QStringLiteral("0.304800"));
        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(fixture.panel(2), QStringLiteral("meter"));
        QCOMPARE(fixture.panel(4), QStringLiteral("foot"));
        QCOMPARE(fixture.output(), QStringLiteral("3.28084"));
        QCOMPARE(window.session().selection().convertFrom, 1);
        QCOMPARE(window.session().selection().convertInto, 4);
        QTest::mousePress(arrow, Qt::RightButton);
        QVERIFY(swapMenu->isVisible());
        fixture.action("mnuSwapArray_0")->trigger();
        swapMenu->close();
        QCOMPARE(fixture.panel(2), QStringLiteral("foot"));
        QCOMPARE(fixture.output(), QStringLiteral("0.304800"));
    }

    void theKeyboardPicksAndAnotherQuantityClearsTheUnits() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        auto* list = fixture.find<quantora::UnitListView>("ListView1");
        QAbstractItemView* view = list->activeView();
        fixture.find<QLineEdit>("txtInput")->setText(QStringLiteral("1"));
        // Shift+Enter picks the unit to convert from, Enter the one into.
        list->selectRow(fixture.rowOf(QStringLiteral("kilometer")));
        QTest::keyClick(view, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(fixture.panel(2), QStringLiteral("kilometer"));
        list->selectRow(fixture.rowOf(QStringLiteral("mile")));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(fixture.panel(4), QStringLiteral("mile"));
        QCOMPARE(fixture.output(), QStringLiteral("0.621371"));
        QVERIFY(fixture.find<QLineEdit>("txtInput")->hasFocus());

        // The same quantity keeps the units.
        fixture.clickNode(kLengthNode);
        QCOMPARE(fixture.panel(2), QStringLiteral("kilometer"));
        QCOMPARE(fixture.output(), QStringLiteral("0.621371"));
        // Enter in the tree chooses another quantity, which clears them.
        auto* tree = fixture.find<QTreeWidget>("TreeView1");
        tree->setCurrentItem(fixture.node(kTimeNode));
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(window.session().selection().node, kTimeNode);
        QCOMPARE(window.session().selection().quantity, 4);
        QCOMPARE(window.windowTitle(), QStringLiteral("Time - Quantora 2000 "));
        QCOMPARE(fixture.panel(2) + fixture.panel(4) + fixture.output(), QString());
        QCOMPARE(list->itemCount(), 3);
        QCOMPARE(list->currentRow(), std::optional<int>(0));
    }

    void constantsAreNeverPickedAndNumberSystemsConvertTheirOwnWay() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        auto* model = fixture.find<QTableView>("ListView1Details")->model();
        fixture.clickNode(kConstantsNode);
        QCOMPARE(fixture.find<quantora::UnitListView>("ListView1")->itemCount(), 2);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Value"));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("m/s"));
        fixture.clickUnit(0, Qt::LeftButton);
        fixture.clickUnit(1, Qt::RightButton);
        QCOMPARE(fixture.panel(2) + fixture.panel(4), QString());
        QVERIFY(fixture.action("mnuEditArray_1")->isEnabled());  // it can still be copied

        fixture.clickNode(kNumberSystemNode);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Numerical Notation"));
        QCOMPARE(model->index(3, 2).data().toString(), QStringLiteral("16"));
        fixture.clickUnit("Hexadecimal", Qt::LeftButton);
        fixture.clickUnit("Decimal", Qt::RightButton);
        fixture.typeInput(QStringLiteral("FF"));
        QCOMPARE(fixture.output(), QStringLiteral("255"));
        fixture.typeInput(QStringLiteral("?"));
        QCOMPARE(fixture.output(), QStringLiteral("Input error"));
    }

    void viewCommandsSortingAndColumnWidths() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("View", "SortUnit", QStringLiteral("True"));
        fixture.setSetting("Form", "HeaderWidth00", QStringLiteral("100"));
        fixture.start();
        auto* list = fixture.find<quantora::UnitListView>("ListView1");
        auto* details = fixture.find<QTableView>("ListView1Details");
        // Below 240 twips a column gets 240.
        QCOMPARE(details->columnWidth(0), 16);

        // The first column's title turns the sort direction; a title is no unit.
        QCOMPARE(list->nameOfRow(0), QStringLiteral("foot"));
        QHeaderView* header = details->horizontalHeader();
        const std::pair<int, const char*> clicks[] = {{0, "mile"}, {1, "mile"}, {0, "foot"}};
        for (const auto& [column, first] : clicks) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionPosition(column) + 5, 5));
            QCOMPARE(list->nameOfRow(0), QString::fromLatin1(first));
        }
        QCOMPARE(fixture.panel(2), QString());
        // A sorted list still picks the unit that was clicked.
        fixture.convert(QStringLiteral("1"), "mile", "kilometer");
        QCOMPARE(fixture.output(), QStringLiteral("1.60934"));

        QCOMPARE(list->viewStyle(), quantora::ViewStyle::Details);
        QVERIFY(list->gridLines());
        fixture.action("tbList")->trigger();
        QCOMPARE(list->viewStyle(), quantora::ViewStyle::List);
        QVERIFY(fixture.action("mnuViewArray_0")->isChecked() &&
                !fixture.action("mnuViewArray_1")->isChecked());
        QVERIFY(fixture.action("tbList")->isChecked() && !fixture.action("tbDetails")->isChecked());
        // Picking works the same in the list look.
        fixture.convert(QStringLiteral("1"), "kilometer", "meter");
        QCOMPARE(fixture.output(), QStringLiteral("1000.00"));
        // Pressing the pressed button again keeps the view.
        fixture.action("tbList")->trigger();
        QVERIFY(fixture.action("tbList")->isChecked());
        fixture.action("mnuViewArray_1")->trigger();
        QCOMPARE(list->viewStyle(), quantora::ViewStyle::Details);
        QCOMPARE(fixture.window().settings().view, 3);

        // Each list layout has its own column widths.
        details->setColumnWidth(1, 90);
        fixture.clickNode(kConstantsNode);
        QCOMPARE(details->columnWidth(0), 152);
        fixture.clickNode(kTimeNode);
        QCOMPARE(details->columnWidth(1), 90);
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("Form", "HeaderWidth01"), QStringLiteral("1350"));
    }

    void theHintOnTheSeparatorAndOnesSwitchedOff() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Extra", "ShowMessage", QStringLiteral("110111"));
        quantora::MainWindow& window = fixture.start();
        // A separator the platform does not use raises the hint.
        fixture.clickUnit("meter", Qt::LeftButton);
        fixture.clickUnit("kilometer", Qt::RightButton);
        fixture.typeInput(QStringLiteral("1,5"));
        QCOMPARE(fixture.output(), QStringLiteral("0.00150000"));
        auto* hint = fixture.find<QWidget>("frmHint");
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->windowTitle(), QStringLiteral("Quantora 2000 "));
        QVERIFY(hint->findChild<QLabel*>("lblHint")->text().startsWith(
            QStringLiteral("As it was detected your operating system uses a dot as decimal separator,")));
        QVERIFY(fixture.find<QLineEdit>("txtInput")->hasFocus());  // typing goes on
        auto* checkBox = hint->findChild<QCheckBox*>("chkShow");
        QCOMPARE(checkBox->text(), QStringLiteral(" Do not show this massage any more. "));
        QTest::mouseClick(checkBox, Qt::LeftButton);
        QTest::mouseClick(hint->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(!hint->isVisible());
        fixture.typeInput(QStringLiteral("5"));
        QVERIFY(!hint->isVisible());

        // A switched-off hint stays hidden; a shown one lights up on the tenth tick.
        window.hints().showHint(2);
        QVERIFY(!window.hints().isVisible());
        window.hints().showHint(4);
        QVERIFY(window.hints().isVisible());
        auto* picture = window.hints().findChild<QLabel*>("imgMain");
        const QImage dim = picture->pixmap().toImage();
        for (int tick = 0; tick < 9; ++tick)
            window.hints().animationTick();
        QCOMPARE(picture->pixmap().toImage(), dim);
        window.hints().animationTick();
        QVERIFY(picture->pixmap().toImage() != dim);
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("Extra", "ShowMessage"), QStringLiteral("110110"));
    }

    void aRightClickOffersTheUnitMenuAfterTheDelay() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Extra", "ShowMenuDelay", QStringLiteral("300"));
        quantora::MainWindow& window = fixture.start();
        auto* delay = fixture.find<QTimer>("tmrDelay");
        auto* menu = fixture.find<QMenu>("mnuEditUnit");
        fixture.clickUnit("foot", Qt::RightButton);
        QCOMPARE(fixture.panel(4), QStringLiteral("foot"));
        QVERIFY(delay->isActive());
        // A left click before the delay ends cancels the menu, and so does typing.
        fixture.clickUnit(0, Qt::LeftButton);
        QVERIFY(!delay->isActive());
        fixture.clickUnit("foot", Qt::RightButton);
        fixture.typeInput(QStringLiteral("4"));
        QVERIFY(!delay->isActive());

        fixture.clickUnit("foot", Qt::RightButton);
        window.views().delayTick();
        window.views().delayTick();
        QVERIFY(!menu->isVisible());
        window.views().delayTick();
        QVERIFY(menu->isVisible() && !delay->isActive());
        QVERIFY(fixture.action("mnuEditUnitArray_0")->isEnabled());
        QCOMPARE(fixture.action("mnuEditUnitArray_2")->text(), QStringLiteral("&Insert..."));
        QVERIFY(fixture.action("mnuEditUnitArray_2")->isEnabled());
        fixture.action("mnuEditUnitArray_0")->trigger();
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("foot 0.3048 0   12 inches"));
    }
};

QUANTORA_WINDOW_TEST_MAIN(UnitConversionTest)
#include "unit_conversion_test.moc"
