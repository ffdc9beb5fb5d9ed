// Start-up, layout and shut-down of the converter's main window.

#include "support/window_fixture.h"

#include "common/qt/resource_picture.h"
#include "converter/settings/window_layout.h"
#include "converter/ui/help_window.h"
#include "converter/ui/icon_set.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <QRegularExpression>

using uitest::WindowFixture;

namespace {
// A left-button drag of w by dx from grip.
void drag(QWidget* w, QPoint grip, int dx) {
    QTest::mousePress(w, Qt::LeftButton, {}, grip);
    QTest::mouseMove(w, grip + QPoint(dx, 0));
    QTest::mouseRelease(w, Qt::LeftButton, {}, grip + QPoint(dx, 0));
}

// settings: "Section/Key=value ..."; each is stored before the start.
void setAll(WindowFixture& f, const char* settings) {
    for (const QString& s : QString::fromLatin1(settings).split(u' ')) {
        const QStringList parts = s.split(QRegularExpression(QStringLiteral("[/=]")));
        f.setSetting(qPrintable(parts[0]), qPrintable(parts[1]), parts[2]);
    }
}
// Each setting, in the same form, as the store holds it now.
void verifyStored(WindowFixture& f, const char* settings) {
    for (const QString& s : QString::fromLatin1(settings).split(u' ')) {
        const QStringList parts = s.split(QRegularExpression(QStringLiteral("[/=]")));
        const QString stored = f.storedSetting(qPrintable(parts[0]), qPrintable(parts[1]));
        QVERIFY2(stored == parts[2], qPrintable(s + QStringLiteral(" but ") + stored));
    }
}
}  // namespace

class MainWindowStartTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    // Pictures come from their build-time renders where one fits and are
    // drawn from the SVG at any other size.
    void picturesAreTheirDrawingsAtEveryRatio() {
        const quantora::IconSet icons;  // makes the pictures available
        for (const auto& [name, size] : {std::pair{"toolbar/open", QSize(16, 16)},
                                         {"tree/root", QSize(16, 16)},
                                         {"arrow", QSize(32, 17)}}) {
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                const QPixmap picture = common::resourcePicture(QString::fromLatin1(name), size, ratio);
                QCOMPARE(picture.devicePixelRatio(), ratio);
                QImage pixels = picture.toImage().convertToFormat(QImage::Format_ARGB32);
                pixels.setDevicePixelRatio(1.0);
                QImageReader drawing(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)));
                drawing.setScaledSize(size * ratio);
                QCOMPARE(pixels, drawing.read().convertToFormat(QImage::Format_ARGB32));
            }
        }
        QVERIFY(common::resourcePicture(QStringLiteral("no/such"), QSize(16, 16), 1.0).isNull());
    }

    void firstStartCentresTheWindowSelectsLengthAndShowsTheMenuBar() {
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
        QCOMPARE(fixture.panel(1) + fixture.panel(2) + fixture.panel(3), QStringLiteral(" From Into"));
        auto* spy = fixture.find<QTimer>("tmrSpy");
        QVERIFY(spy->isActive());
        QCOMPARE(spy->interval(), 400);
        QVERIFY(fixture.messages.shown.empty());

        // Without the menu bar the panes get its height, and the shortcuts still work.
        WindowFixture& bare = makeFixture(QStringLiteral("small.dat"));
        bare.setSetting("Option", "ShowMenubar", QStringLiteral("0"));
        quantora::MainWindow& bareWindow = bare.start();
        QVERIFY(!bareWindow.menuBar()->isVisible());
        QTRY_VERIFY(bare.find<QWidget>("TreeView1")->height() > tree->height());
        QTest::keyClick(&bareWindow, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(bare.files.requests.size(), std::size_t{1});
        bare.files.unexpected = 0;
    }

    void menusToolbarAndHelpKey() {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Quantora.hlp");
        if (!QFile::exists(beside))
            QFile::copy(QStringLiteral(BUNDLED_DATA_DIR "/../help/Quantora.hlp"), beside);
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        const struct {
            const char* name;
            const char* text;
            const char* keys;
            bool enabled, visible;
        } items[] = {
            {"mnuFileArray_0", "&Open...", "Ctrl+O", true, true},
            {"mnuFileArray_2", "Save &As...", "Ctrl+A", true, true},
            {"mnuFileArray_4", "&Print Conversion Table...", "Ctrl+P", true, true},
            {"mnuFileArray_8", "E&xit", "", true, true},
            {"mnuEditArray_0", "&Copy Conversion Result", "Ctrl+C", false, true},
            {"mnuEditArray_2", "&Paste as Conversion Input", "Ctrl+V", false, true},
            {"mnuEditArray_7", "&History", "", false, true},
            {"mnuEditArray_9", "&Find...", "Ctrl+F", true, true},
            {"mnuEditHistoryArray_7", "7", "", false, false},
            {"mnuViewArray_3", "&Arrange", "", true, true},
            {"mnuToolsArray_1", "&Run NotePad", "Ctrl+R", true, true},
            {"mnuToolsArray_6", "ReDim", "Ctrl+Shift+Alt+Z", false, false},
            {"mnuHelpArray_0", "&Help Topics", "F1", true, true},
            {"mnuSwapArray_0", "&Swap Units", "Ctrl+W", true, true},
            {"mnuEditUnitArray_5", "&Properties...", "", true, true},
        };
        for (const auto& item : items) {
            QAction* action = fixture.action(QString::fromLatin1(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString::fromLatin1(item.text));
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.keys)));
            QVERIFY2(action->isEnabled() == item.enabled && action->isVisible() == item.visible, item.name);
        }
        QVERIFY(fixture.action("mnuViewArray_1")->isChecked() &&
                !fixture.action("mnuViewArray_0")->isChecked());

        auto* toolbar = fixture.find<QToolBar>("Toolbar1");
        QStringList keys;
        for (QAction* action : toolbar->actions())
            keys << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
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
        for (const char* name : {"tbCopyCalc", "tbPasteCalc", "mnuEditArray_4", "mnuEditArray_5"})
            QVERIFY2(!fixture.action(QString::fromLatin1(name))->isEnabled(), name);
        for (const char* name : {"tbSaveAs", "mnuFileArray_4", "mnuFileArray_6", "mnuToolsArray_0", "tbCalc",
                                 "mnuToolsArray_5", "tbPrint", "tbOptions", "mnuFilePrintPreview", "tbFind"})
            QVERIFY2(fixture.action(QString::fromLatin1(name))->isEnabled(), name);

        // Ctrl+Alt and a click on the toolbar switch its flat look.
        auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(fixture.action("tbOpen")));
        QVERIFY(button->autoRaise());
        QTest::mouseRelease(toolbar, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                            QPoint(toolbar->width() - 3, 5));
        QVERIFY(!button->autoRaise());

        // F1 opens the help document at its contents.
        QTest::keyClick(&window, Qt::Key_F1);
        auto* help = window.findChild<quantora::HelpWindow*>("frmHelp");
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentAnchor(), QStringLiteral("contents"));
    }

    void theSplitterAndTheArrowResizeWithinTheMinimums() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        auto* tree = fixture.find<QWidget>("TreeView1");
        auto* list = fixture.find<QWidget>("ListView1");
        auto* splitter = fixture.find<QWidget>("imgSplitter");
        const int treeWidth = tree->width(), listWidth = list->width();
        drag(splitter, QPoint(3, 20), 40);
        QCOMPARE(tree->width(), treeWidth + 40);
        QCOMPARE(list->width(), listWidth - 40);
        QCOMPARE(splitter->x(), tree->x() + tree->width() - 2);
        // The tree may not get narrower than 60.
        drag(splitter, QPoint(3, 20), 59 - tree->width());
        QCOMPARE(tree->width(), treeWidth + 40);
        QCOMPARE(fixture.window().settings().treeWidth, (treeWidth + 40) * 15.0F);

        // The value boxes stop growing at 300, but the arrow can widen one.
        window.resize(1600, 700);
        auto* input = fixture.find<QLineEdit>("txtInput");
        auto* output = fixture.find<QLineEdit>("txtOutput");
        auto* arrow = fixture.find<QLabel>("imgPoint");
        QTRY_COMPARE(input->width(), 300);
        QCOMPARE(output->width(), 300);
        QCOMPARE(arrow->toolTip(), QStringLiteral("Click and drag this arrow to change the box widths."));
        drag(arrow, QPoint(16, 8), 100);
        QCOMPARE(input->width(), 400);
        QCOMPARE(output->width(), 200);
        QCOMPARE(fixture.window().settings().boxWidthRatio, 2.0F);
        // Neither box may become narrower than 60 pixels.
        drag(arrow, QPoint(16, 8), 150);
        QCOMPARE(output->width(), 200);
    }

    void aFailedLoadIsReportedAndTheEmptyWindowClosesWithoutSaving() {
        // A broken table, and a missing one reported by name.
        const struct {
            const char *table, *path, *says;
        } cases[] = {{"broken.dat", nullptr, nullptr}, {"small.dat", "/absent.dat", "absent.dat"}};
        for (const auto& c : cases) {
            WindowFixture& fixture = makeFixture(QString::fromLatin1(c.table));
            if (c.path)
                fixture.setSetting("File", "SaveFilePath", fixture.folder() + QString::fromLatin1(c.path));
            quantora::MainWindow& window = fixture.start();
            QVERIFY2(window.loadFailed(), c.table);
            QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
            const common::Notice& notice = fixture.messages.shown[0];
            QCOMPARE(notice.title, std::string(" Quantora 2000"));
            if (c.says)
                QVERIFY2(QString::fromStdString(notice.text).contains(QString::fromLatin1(c.says)), c.table);
            QCOMPARE(fixture.find<QTreeWidget>("TreeView1")->topLevelItemCount(), 0);
            QVERIFY(fixture.find<QTimer>("tmrSpy")->isActive());
            window.table().changed = true;
            QVERIFY(fixture.close());
            QCOMPARE(fixture.storedSetting("Form", "Width"), QStringLiteral("<missing>"));
        }
    }

    void unreasonableSettingsStillGiveAUsableWindow() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        setAll(fixture,
               "Form/Width=1E+30 Form/Height=-7 Form/Left=nonsense Form/Top=-1E+30 Form/TreeWidth=1E+38 "
               "Form/BoxWidthRatio=0 Form/HeaderWidth00=-3 Form/HeaderWidth01=1E+30 Form/State=9 View/View=7 "
               "View/SelNodeIndex=30000 Option/ShowToolbar=5 Font/FontSize2=30000");
        quantora::MainWindow& window = fixture.start();
        QVERIFY(window.isVisible());
        QVERIFY(window.width() >= quantora::layout::kMinWindowWidth);
        QVERIFY(window.width() <= QGuiApplication::primaryScreen()->availableVirtualGeometry().width());
        // Started on the root: no quantity, no units.
        QCOMPARE(window.session().selection().node, 1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quantora 2000 "));
        QCOMPARE(fixture.find<quantora::UnitListView>("ListView1")->itemCount(), 0);
        // A tree wider than the window leaves the list its minimum.
        auto* list = fixture.find<QWidget>("ListView1");
        const int area = fixture.find<QWidget>("picMain")->width();
        QCOMPARE(list->width(), 60);
        QCOMPARE(fixture.find<QWidget>("TreeView1")->width(), area - 60 - 13);
        QCOMPARE(list->geometry().right() + 1 + 5, area);
        // Too small a window snaps back.
        window.resize(300, 200);
        QTRY_COMPARE(window.frameGeometry().size(),
                     QSize(quantora::layout::kMinWindowWidth, quantora::layout::kMinWindowHeight));
        fixture.clickNode(9);
        QVERIFY(fixture.find<quantora::UnitListView>("ListView1")->itemCount() > 0);
        QVERIFY(fixture.close());
    }

    void settingsAndExpandedCategoriesAreWrittenAtClose() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        // The stored size is the outer one.
        window.resize(QSize(700, 500) - (window.frameGeometry().size() - window.size()));
        window.move(40, 30);
        fixture.action("mnuViewArray_0")->trigger();
        QVERIFY(fixture.node(2)->isExpanded() && !fixture.node(4)->isExpanded());
        fixture.clickNode(12);
        fixture.node(2)->setExpanded(false);
        fixture.node(4)->setExpanded(true);
        QVERIFY(fixture.close());
        verifyStored(
            fixture,
            "View/View=2 View/SelNodeIndex=12 Form/Width=10500 Form/Height=7500 Form/Left=600 Form/State=0");
        QCOMPARE(fixture.storedSetting("File", "SaveFilePath"), fixture.tablePath());
        // The expanded state is kept in the table file.
        QFile file(fixture.tablePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines[0].trimmed(), QByteArray("1;Space and Time;0"));
        QCOMPARE(lines[2].trimmed(), QByteArray("3;Heat;1"));
    }

    void aMaximisedWindowKeepsItsNormalGeometryAndACategoryIsNotKept() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        setAll(fixture, "Form/Width=9000 Form/Height=6000");
        quantora::MainWindow& window = fixture.start();
        fixture.clickNode(3);
        QCOMPARE(window.windowTitle(), QStringLiteral("Mechanics - Quantora 2000 "));
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QVERIFY(fixture.close());
        verifyStored(fixture, "Form/State=2 Form/Width=9000 Form/Height=6000 View/SelNodeIndex=1");
    }

    void positionStylesStayOnTopAndToolbarComeFromTheSettings() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        // 255: red, -2147483633: the button face, 12632256: grey C0C0C0.
        setAll(fixture,
               "Form/Left=-50 Form/Top=-100 Color/TextColor2=255 Color/BackColor4=-2147483633 "
               "Color/BackColor0=12632256 Font/FontSize2=14 Font/FontStyle21=1 Font/FontSize3=11 "
               "Option/StayTop=1 Extra/CustomizeToolbar=True");
        quantora::MainWindow& window = fixture.start();
        // (-3, -7) and not centred, though a coordinate is unset; the offscreen
        // platform shifts a framed window by its frame width when it is resized.
        const QPoint at = window.frameGeometry().topLeft();
        QVERIFY2((at - QPoint(-3, -7)).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));

        auto* input = fixture.find<QLineEdit>("txtInput");
        auto* output = fixture.find<QLineEdit>("txtOutput");
        QCOMPARE(input->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(output->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
        QCOMPARE(fixture.find<QWidget>("TreeView1")->palette().color(QPalette::Base), QColor(192, 192, 192));
        // The convert-into box shows the convert-from box's font.
        QCOMPARE(input->font().pointSize(), 14);
        QVERIFY(input->font().italic() && input->font().bold());
        QCOMPARE(output->font(), input->font());
        QCOMPARE(fixture.find<QWidget>("StatusBar1")->font().pointSize(), 11);
        QVERIFY(input->height() >= input->fontMetrics().height());

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
};

QUANTORA_WINDOW_TEST_MAIN(MainWindowStartTest)
#include "main_window_start_test.moc"
