// Start-up, layout and shut-down of the converter's main window.

#include "support/window_fixture.h"

#include "converter/settings/window_layout.h"
#include "converter/ui/help_window.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using uitest::WindowFixture;

class MainWindowStartTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void firstStartCentresTheWindowAndSelectsLength() {
        WindowFixture& fixture = makeFixture();
        quantora::MainWindow& window = fixture.start();
        // 9600 x 7200 twips at 15 twips a pixel, frame included.
        QTRY_COMPARE(window.frameGeometry().size(), QSize(640, 480));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(window.pos(), QPoint((screen.width() - 640) / 2, (screen.height() - 480) / 2));

        auto* tree = fixture.find<QTreeWidget>("TreeView1");
        QVERIFY(tree->currentItem());
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Length"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("DEFAULT.DAT"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Length - Quantora 2000 "));
        QCOMPARE(window.session().selection().node, 9);
        QVERIFY(fixture.find<quantora::UnitListView>("ListView1")->itemCount() > 0);
        QCOMPARE(fixture.panel(1), QStringLiteral(" From"));
        QCOMPARE(fixture.panel(3), QStringLiteral(" Into"));
        QCOMPARE(fixture.panel(2), QString());
        auto* spy = fixture.find<QTimer>("tmrSpy");
        QVERIFY(spy->isActive());
        QCOMPARE(spy->interval(), 400);
        QVERIFY(fixture.messages.shown.empty());
    }

    void aSavedPositionIsKeptEvenWithOneCoordinateUnset() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Form", "Left", QStringLiteral("-50"));
        fixture.setSetting("Form", "Top", QStringLiteral("-100"));
        quantora::MainWindow& window = fixture.start();
        // (-3, -7) and not centred; the offscreen platform shifts a framed
        // window by its frame width when it is resized.
        const QPoint at = window.frameGeometry().topLeft();
        QVERIFY2((at - QPoint(-3, -7)).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));
    }

    void menusAndToolbarStartAsDescribed() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        struct Item {
            const char* name;
            const char* text;
            QKeySequence keys;
            bool enabled;
            bool visible;
        };
        const Item items[] = {
            {"mnuFileArray_0", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), true, true},
            {"mnuFileArray_2", "Save &As...", QKeySequence(Qt::CTRL | Qt::Key_A), true, true},
            {"mnuFileArray_4", "&Print Conversion Table...", QKeySequence(Qt::CTRL | Qt::Key_P), true, true},
            {"mnuFileArray_8", "E&xit", QKeySequence(), true, true},
            {"mnuEditArray_0", "&Copy Conversion Result", QKeySequence(Qt::CTRL | Qt::Key_C), false, true},
            {"mnuEditArray_2", "&Paste as Conversion Input", QKeySequence(Qt::CTRL | Qt::Key_V), false, true},
            {"mnuEditArray_7", "&History", QKeySequence(), false, true},
            {"mnuEditArray_9", "&Find...", QKeySequence(Qt::CTRL | Qt::Key_F), true, true},
            {"mnuEditHistoryArray_0", "0", QKeySequence(), true, true},
            {"mnuEditHistoryArray_7", "7", QKeySequence(), false, false},
            {"mnuViewArray_3", "&Arrange", QKeySequence(), true, true},
            {"mnuToolsArray_1", "&Run NotePad", QKeySequence(Qt::CTRL | Qt::Key_R), true, true},
            {"mnuToolsArray_6", "ReDim", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_Z), false,
             false},
            {"mnuHelpArray_0", "&Help Topics", QKeySequence(Qt::Key_F1), true, true},
            {"mnuSwapArray_0", "&Swap Units", QKeySequence(Qt::CTRL | Qt::Key_W), true, true},
            {"mnuEditUnitArray_5", "&Properties...", QKeySequence(), true, true},
        };
        for (const Item& item : items) {
            QAction* action = fixture.action(QString::fromLatin1(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString::fromLatin1(item.text));
            QCOMPARE(action->shortcut(), item.keys);
            QVERIFY2(action->isEnabled() == item.enabled, item.name);
            QVERIFY2(action->isVisible() == item.visible, item.name);
        }
        QVERIFY(fixture.action("mnuViewArray_1")->isChecked());
        QVERIFY(!fixture.action("mnuViewArray_0")->isChecked());

        auto* toolbar = fixture.find<QToolBar>("Toolbar1");
        QStringList keys;
        for (QAction* action : toolbar->actions()) {
            keys << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        }
        keys.removeAll(QString());
        QCOMPARE(keys.join(u' '),
                 QStringLiteral(
                     "tbOpen tbSaveAs - tbPrint - tbCopy tbPaste tbCopyCalc tbPasteCalc - tbFind - tbList "
                     "tbDetails - tbSortTree tbSortList - tbRef tbCalc tbOptions - tbHelp tbExit"));
        QCOMPARE(fixture.action("tbPrint")->toolTip(), QStringLiteral("Print Conversion Table (Ctrl+P)"));
        QCOMPARE(fixture.action("tbCopyCalc")->toolTip(), QStringLiteral("&Get Calculation Result"));
        QVERIFY(fixture.action("tbDetails")->isChecked());

        // With no calculator running, the refresh turns its get and send commands off.
        fixture.refresh();
        for (const char* name : {"tbCopyCalc", "tbPasteCalc", "mnuEditArray_4", "mnuEditArray_5"}) {
            QVERIFY2(!fixture.action(QString::fromLatin1(name))->isEnabled(), name);
        }
        for (const char* name :
             {"tbSaveAs", "mnuFileArray_4", "mnuFileArray_6", "mnuToolsArray_0", "tbCalc", "mnuToolsArray_5",
              "tbPrint", "tbOptions", "mnuFilePrintPreview", "tbFind"}) {
            QVERIFY2(fixture.action(QString::fromLatin1(name))->isEnabled(), name);
        }
    }

    void aTreeWiderThanTheWindowLeavesTheListItsMinimumAndTheWindowSnapsBack() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Form", "TreeWidth", QStringLiteral("30000"));
        quantora::MainWindow& window = fixture.start();
        auto* tree = fixture.find<QWidget>("TreeView1");
        auto* list = fixture.find<QWidget>("ListView1");
        auto* area = fixture.find<QWidget>("picMain");
        QCOMPARE(list->width(), 60);
        QCOMPARE(tree->width(), area->width() - 60 - 13);
        QCOMPARE(list->geometry().right() + 1 + 5, area->width());
        window.resize(300, 200);
        QTRY_COMPARE(window.frameGeometry().size(),
                     QSize(quantora::layout::kMinWindowWidth, quantora::layout::kMinWindowHeight));
    }

    void theSplitterMovesOnlyWhileBothPanesKeepTheirMinimum() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        auto* tree = fixture.find<QWidget>("TreeView1");
        auto* list = fixture.find<QWidget>("ListView1");
        auto* splitter = fixture.find<QWidget>("imgSplitter");
        const int treeWidth = tree->width();
        const int listWidth = list->width();
        const QPoint grip(3, 20);

        QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
        QTest::mouseMove(splitter, grip + QPoint(40, 0));
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(40, 0));
        QCOMPARE(tree->width(), treeWidth + 40);
        QCOMPARE(list->width(), listWidth - 40);
        QCOMPARE(splitter->x(), tree->x() + tree->width() - 2);

        const int before = tree->width();
        QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
        QTest::mouseMove(splitter, grip + QPoint(-(before - 59), 0));
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(-(before - 59), 0));
        QCOMPARE(tree->width(), before);
        QCOMPARE(fixture.window().settings().treeWidth, before * 15.0F);
    }

    void valueBoxesStopGrowingButTheArrowCanWidenThem() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        window.resize(1600, 700);
        auto* input = fixture.find<QLineEdit>("txtInput");
        auto* output = fixture.find<QLineEdit>("txtOutput");
        auto* arrow = fixture.find<QLabel>("imgPoint");
        QTRY_COMPARE(input->width(), 300);
        QCOMPARE(output->width(), 300);
        QCOMPARE(arrow->toolTip(), QStringLiteral("Click and drag this arrow to change the box widths."));

        const QPoint grip(16, 8);
        QTest::mousePress(arrow, Qt::LeftButton, {}, grip);
        QTest::mouseMove(arrow, grip + QPoint(100, 0));
        QTest::mouseRelease(arrow, Qt::LeftButton, {}, grip + QPoint(100, 0));
        QCOMPARE(input->width(), 400);
        QCOMPARE(output->width(), 200);
        QCOMPARE(fixture.window().settings().boxWidthRatio, 2.0F);

        // Neither box may become narrower than 60 pixels.
        QTest::mousePress(arrow, Qt::LeftButton, {}, grip);
        QTest::mouseMove(arrow, grip + QPoint(150, 0));
        QTest::mouseRelease(arrow, Qt::LeftButton, {}, grip + QPoint(150, 0));
        QCOMPARE(output->width(), 200);
    }

    void withoutMenuBarThePanesGetItsHeight() {
        WindowFixture& withMenu = makeFixture(QStringLiteral("small.dat"));
        withMenu.start();
        const int heightWithMenu = withMenu.find<QWidget>("TreeView1")->height();
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Option", "ShowMenubar", QStringLiteral("0"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(!window.menuBar()->isVisible());
        QTRY_VERIFY(fixture.find<QWidget>("TreeView1")->height() > heightWithMenu);
        // The shortcuts still work without the menu bar.
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(fixture.files.requests.size(), std::size_t{1});
        fixture.files.unexpected = 0;
    }

    void aFailedLoadLeavesAnEmptyWindowThatClosesWithoutSaving() {
        WindowFixture& fixture = makeFixture(QStringLiteral("broken.dat"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(window.loadFailed());
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QCOMPARE(fixture.messages.shown[0].title, std::string(" Quantora 2000"));
        QCOMPARE(fixture.find<QTreeWidget>("TreeView1")->topLevelItemCount(), 0);
        QVERIFY(fixture.find<QTimer>("tmrSpy")->isActive());
        window.table().changed = true;
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("Form", "Width"), QStringLiteral("<missing>"));
    }

    void unreasonableSettingsStillGiveAUsableWindow() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        const std::pair<const char*, const char*> values[] = {
            {"Width", "1E+30"},      {"Height", "-7"},          {"Left", "nonsense"},
            {"Top", "-1E+30"},       {"TreeWidth", "1E+38"},    {"BoxWidthRatio", "0"},
            {"HeaderWidth00", "-3"}, {"HeaderWidth01", "1E+30"}};
        for (const auto& [key, value] : values)
            fixture.setSetting("Form", key, QString::fromLatin1(value));
        fixture.setSetting("View", "View", QStringLiteral("7"));
        fixture.setSetting("View", "SelNodeIndex", QStringLiteral("30000"));
        fixture.setSetting("Option", "ShowToolbar", QStringLiteral("5"));
        fixture.setSetting("Font", "FontSize2", QStringLiteral("30000"));
        fixture.setSetting("Form", "State", QStringLiteral("9"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(window.isVisible());
        QVERIFY(window.width() >= quantora::layout::kMinWindowWidth);
        QVERIFY(window.width() <= QGuiApplication::primaryScreen()->availableVirtualGeometry().width());
        QCOMPARE(window.session().selection().node, 1);
        auto* list = fixture.find<QWidget>("ListView1");
        QVERIFY(list->width() >= 60);
        fixture.clickNode(9);
        QVERIFY(fixture.find<quantora::UnitListView>("ListView1")->itemCount() > 0);
        QVERIFY(fixture.close());
    }

    void aMissingTableIsReportedByName() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("File", "SaveFilePath", fixture.folder() + QStringLiteral("/absent.dat"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(window.loadFailed());
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QVERIFY(
            QString::fromStdString(fixture.messages.shown[0].text).contains(QStringLiteral("absent.dat")));
    }

    void settingsAreWrittenAtClose() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        // The stored size is the outer one.
        window.resize(QSize(700, 500) - (window.frameGeometry().size() - window.size()));
        window.move(40, 30);
        fixture.action("mnuViewArray_0")->trigger();
        fixture.clickNode(12);
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("View", "View"), QStringLiteral("2"));
        QCOMPARE(fixture.storedSetting("View", "SelNodeIndex"), QStringLiteral("12"));
        QCOMPARE(fixture.storedSetting("Form", "Width"), QStringLiteral("10500"));
        QCOMPARE(fixture.storedSetting("Form", "Height"), QStringLiteral("7500"));
        QCOMPARE(fixture.storedSetting("Form", "Left"), QStringLiteral("600"));
        QCOMPARE(fixture.storedSetting("Form", "State"), QStringLiteral("0"));
        QCOMPARE(fixture.storedSetting("File", "SaveFilePath"), fixture.tablePath());
    }

    void aMaximisedWindowKeepsItsNormalGeometry() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Form", "Width", QStringLiteral("9000"));
        fixture.setSetting("Form", "Height", QStringLiteral("6000"));
        quantora::MainWindow& window = fixture.start();
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("Form", "State"), QStringLiteral("2"));
        QCOMPARE(fixture.storedSetting("Form", "Width"), QStringLiteral("9000"));
        QCOMPARE(fixture.storedSetting("Form", "Height"), QStringLiteral("6000"));
    }

    void aCategorySelectedAtCloseStartsOnTheRoot() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        fixture.clickNode(3);
        QCOMPARE(window.windowTitle(), QStringLiteral("Mechanics - Quantora 2000 "));
        QVERIFY(fixture.close());
        QCOMPARE(fixture.storedSetting("View", "SelNodeIndex"), QStringLiteral("1"));

        WindowFixture& again = makeFixture(QStringLiteral("small.dat"));
        again.setSetting("View", "SelNodeIndex", QStringLiteral("1"));
        quantora::MainWindow& restarted = again.start();
        QCOMPARE(restarted.windowTitle(), QStringLiteral("Quantora 2000 "));
        QCOMPARE(again.find<quantora::UnitListView>("ListView1")->itemCount(), 0);
        QVERIFY(again.messages.shown.empty());
    }

    void theCategoriesKeepTheirExpandedStateInTheTableFile() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        QVERIFY(fixture.node(2)->isExpanded());
        QVERIFY(!fixture.node(4)->isExpanded());
        fixture.node(2)->setExpanded(false);
        fixture.node(4)->setExpanded(true);
        QVERIFY(fixture.close());
        QFile file(fixture.tablePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines[0].trimmed(), QByteArray("1;Space and Time;0"));
        QCOMPARE(lines[2].trimmed(), QByteArray("3;Heat;1"));
    }

    void displayStylesComeFromTheSettings() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Color", "TextColor2", QStringLiteral("255"));          // red
        fixture.setSetting("Color", "BackColor4", QStringLiteral("-2147483633"));  // button face
        fixture.setSetting("Color", "BackColor0", QStringLiteral("12632256"));     // grey C0C0C0
        fixture.setSetting("Font", "FontSize2", QStringLiteral("14"));
        fixture.setSetting("Font", "FontStyle21", QStringLiteral("1"));
        fixture.setSetting("Font", "FontSize3", QStringLiteral("11"));
        fixture.start();
        auto* input = fixture.find<QLineEdit>("txtInput");
        auto* output = fixture.find<QLineEdit>("txtOutput");
        QCOMPARE(input->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(output->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
        QCOMPARE(fixture.find<QWidget>("TreeView1")->palette().color(QPalette::Base), QColor(192, 192, 192));
        // The convert-into box shows the convert-from box's font.
        QCOMPARE(input->font().pointSize(), 14);
        QVERIFY(input->font().italic());
        QVERIFY(input->font().bold());
        QCOMPARE(output->font(), input->font());
        QCOMPARE(fixture.find<QWidget>("StatusBar1")->font().pointSize(), 11);
        // The boxes are tall enough for their font.
        QVERIFY(input->height() >= input->fontMetrics().height());
    }

    void stayOnTopAndTheToolbarArrangementAreKept() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Option", "StayTop", QStringLiteral("1"));
        fixture.setSetting("Extra", "CustomizeToolbar", QStringLiteral("True"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        auto* toolbar = fixture.find<QToolBar>("Toolbar1");
        QVERIFY(toolbar->isMovable());
        window.addToolBar(Qt::LeftToolBarArea, toolbar);
        QTRY_VERIFY(fixture.storedSetting("Toolbar", "Quantora 2000") != QStringLiteral("<missing>"));
        QVERIFY(fixture.close());
        const QString arrangement = fixture.storedSetting("Toolbar", "Quantora 2000");

        // Another fixture has another settings folder.
        WindowFixture& again = makeFixture(QStringLiteral("small.dat"));
        again.setSetting("Extra", "CustomizeToolbar", QStringLiteral("True"));
        again.setSetting("Toolbar", "Quantora 2000", arrangement);
        quantora::MainWindow& restarted = again.start();
        QCOMPARE(restarted.toolBarArea(again.find<QToolBar>("Toolbar1")), Qt::LeftToolBarArea);
        QVERIFY(!restarted.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void ctrlAltOnTheToolbarSwitchesItsFlatLook() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        auto* toolbar = fixture.find<QToolBar>("Toolbar1");
        auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(fixture.action("tbOpen")));
        QVERIFY(button->autoRaise());
        QTest::mouseRelease(toolbar, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                            QPoint(toolbar->width() - 3, 5));
        QVERIFY(!button->autoRaise());
    }

    void helpTopicsOpenTheHelpDocumentAtItsContents() {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Quantora.hlp");
        if (!QFile::exists(beside))
            QFile::copy(QStringLiteral(BUNDLED_DATA_DIR "/../help/Quantora.hlp"), beside);
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        QTest::keyClick(&window, Qt::Key_F1);
        auto* help = window.findChild<quantora::HelpWindow*>("frmHelp");
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentAnchor(), QStringLiteral("contents"));
    }
};

QUANTORA_WINDOW_TEST_MAIN(MainWindowStartTest)
#include "main_window_start_test.moc"
