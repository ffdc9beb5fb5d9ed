// Dragging quantities in the tree and units in the list or onto the value
// boxes, and the auto-scroll at the edges of a dragged view. Each drag starts
// with real mouse events; what happens while it runs is handed in as the
// drag and drop events the platform would send.

#include "support/window_fixture.h"

#include "converter/ui/drag_and_drop.h"
#include "converter/ui/hint_window.h"
#include "converter/ui/main_window.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QDrag>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

using uitest::WindowFixture;

namespace {

// small.dat: root 1, categories 2 to 6, Number System 7, Constants 8,
// Length 9 and Time 10 under Space and Time, Mass 11 under Mechanics.
constexpr int kMechanicsNode = 3;
constexpr int kLengthNode = 9;
constexpr int kTimeNode = 10;

// A drag over a widget: enter and move; true when the widget would take the drop there.
bool dragOver(QWidget* widget, const QPoint& pos, const QMimeData* data) {
    QDragEnterEvent enter(pos, Qt::MoveAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(widget, &move);
    return move.isAccepted();
}

// The platform enters a widget before it drops there.
void dropOn(QWidget* widget, const QPoint& pos, const QMimeData* data) {
    dragOver(widget, pos, data);
    QDropEvent drop(QPointF(pos), Qt::MoveAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(widget, &drop);
}

// A press and a move with the left button held, far enough to start a drag.
void pressAndPull(QWidget* viewport, const QPoint& from) {
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    const QPoint to = from + QPoint(0, 3 * QApplication::startDragDistance());
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &move);
}

struct Views {
    explicit Views(WindowFixture& fixture)
        : tree(*fixture.find<QTreeWidget>(QStringLiteral("TreeView1"))),
          list(*fixture.find<quantora::UnitListView>(QStringLiteral("ListView1"))),
          drags(fixture.window().drags()) {}
    QPoint nodeAt(WindowFixture& fixture, int node) const {
        return tree.visualItemRect(fixture.node(node)).center();
    }
    QPoint rowAt(int row) const { return list.rowRect(row).center(); }
    QStringList unitNames() const {
        QStringList names;
        for (int row = 0; row < list.itemCount(); ++row)
            names << list.nameOfRow(row);
        return names;
    }

    QTreeWidget& tree;
    quantora::UnitListView& list;
    quantora::DragAndDrop& drags;
};

class DragDropTest : public uitest::WindowTest {
    Q_OBJECT

private slots:
    void aQuantityMovesToAnotherCategory() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        Views views(fixture);
        fixture.clickNode(kTimeNode);
        bool refusedOnItself = false;
        bool takenOnLength = false;
        bool foreignTaken = true;
        views.drags.setRunner([&](QDrag& drag) {
            QWidget* viewport = views.tree.viewport();
            refusedOnItself = !dragOver(viewport, views.nodeAt(fixture, kTimeNode), drag.mimeData());
            takenOnLength = dragOver(viewport, views.nodeAt(fixture, kLengthNode), drag.mimeData());
            QMimeData foreign;
            foreign.setData(QStringLiteral("application/x-quantora-drag"), "1");
            foreignTaken = dragOver(viewport, views.nodeAt(fixture, kLengthNode), &foreign);
            dropOn(viewport, views.nodeAt(fixture, kMechanicsNode), drag.mimeData());
        });
        pressAndPull(views.tree.viewport(), views.nodeAt(fixture, kTimeNode));
        QVERIFY(refusedOnItself);
        QVERIFY(takenOnLength);
        QVERIFY(!foreignTaken);
        QCOMPARE(views.drags.source(), quantora::DragAndDrop::Source::None);
        QVERIFY(!views.drags.watchTimer().isActive());

        // Time is Mechanics' last quantity now, chosen and shown.
        QTreeWidgetItem* mechanics = fixture.node(kMechanicsNode);
        QCOMPARE(mechanics->child(mechanics->childCount() - 1)->text(0), QStringLiteral("Time"));
        QCOMPARE(views.tree.currentItem()->text(0), QStringLiteral("Time"));
        QCOMPARE(fixture.window().session().selection().node, kTimeNode + 1);
        QVERIFY(fixture.window().table().changed);
    }

    void aSortedTreeOrALockedTableMovesNothing() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        Views views(fixture);
        fixture.window().views().toggleTreeSort();
        fixture.clickNode(kTimeNode);
        views.drags.setRunner([&](QDrag& drag) {
            dropOn(views.tree.viewport(), views.nodeAt(fixture, kLengthNode), drag.mimeData());
        });
        pressAndPull(views.tree.viewport(), views.nodeAt(fixture, kTimeNode));
        QVERIFY(fixture.window().hints().isOpen());
        QCOMPARE(fixture.window().hints().currentHint(), 2);
        QVERIFY(!fixture.window().table().changed);

        WindowFixture& locked = makeFixture(QStringLiteral("small.dat"));
        locked.setSetting("Option", "Modify", QStringLiteral("0"));
        locked.start();
        Views lockedViews(locked);
        bool started = false;
        lockedViews.drags.setRunner([&](QDrag&) { started = true; });
        locked.clickNode(kTimeNode);
        pressAndPull(lockedViews.tree.viewport(), lockedViews.nodeAt(locked, kTimeNode));
        QVERIFY(!started);
    }

    void aUnitMovesWithinItsListAndTheConversionKeepsItsUnits() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        Views views(fixture);
        fixture.clickNode(kLengthNode);
        fixture.convert(QStringLiteral("2"), "kilometer", "mile");
        const QString result = fixture.output();
        views.drags.setRunner(
            [&](QDrag& drag) { dropOn(views.list.activeViewport(), views.rowAt(3), drag.mimeData()); });
        pressAndPull(views.list.activeViewport(), views.rowAt(1));
        QCOMPARE(views.unitNames().join(u','), QStringLiteral("meter,inch,foot,kilometer,mile"));
        QCOMPARE(views.list.nameOfRow(*views.list.currentRow()), QStringLiteral("kilometer"));
        QVERIFY(fixture.window().table().changed);

        // The panels still name kilometer and mile, and so does the conversion.
        fixture.find<QLineEdit>(QStringLiteral("txtInput"))->clear();
        fixture.typeInput(QStringLiteral("2"));
        QCOMPARE(fixture.panel(2), QStringLiteral("kilometer"));
        QCOMPARE(fixture.output(), result);
    }

    void theKeyboardMovesTheSelectedQuantityOrUnit() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        Views views(fixture);
        fixture.clickNode(kLengthNode);
        const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::keyClick(&views.tree, Qt::Key_Down, ctrlShift);
        QCOMPARE(fixture.node(kLengthNode)->text(0), QStringLiteral("Time"));
        QCOMPARE(fixture.window().session().selection().node, kTimeNode);
        QCOMPARE(views.tree.currentItem()->text(0), QStringLiteral("Length"));

        // The quick reference shows Length's values as kept, in the first unit.
        fixture.action(QStringLiteral("mnuToolsArray_3"))->trigger();
        auto* reference = fixture.find<QWidget>(QStringLiteral("frmRef"))->findChild<QTreeWidget*>();
        QCOMPARE(reference->headerItem()->text(1), QStringLiteral("meter"));

        // The memo open on meter goes with it, not to the unit taking its place.
        fixture.clickUnit(0, Qt::LeftButton, Qt::ShiftModifier);
        fixture.find<QWidget>(QStringLiteral("frmMemo"))
            ->findChild<QPlainTextEdit*>()
            ->setPlainText(QStringLiteral("The SI unit"));
        QWidget* list = views.list.activeView();
        QTest::keyClick(list, Qt::Key_Down, ctrlShift);
        QTest::keyClick(list, Qt::Key_Down, ctrlShift);
        QCOMPARE(views.unitNames().join(u','), QStringLiteral("kilometer,inch,meter,foot,mile"));
        const int length = fixture.window().session().selection().quantity;
        QCOMPARE(fixture.window().table().unit(length, 3).memo, std::string("The SI unit"));
        QCOMPARE(fixture.panel(2), QStringLiteral("meter"));
        // A new first unit takes the values along, and the window follows.
        fixture.refresh();
        QCOMPARE(reference->headerItem()->text(1), QStringLiteral("kilometer"));
        QCOMPARE(reference->topLevelItem(0)->text(1), QStringLiteral("42.195"));
        // The first unit stays first; a sorted list explains why nothing moves.
        views.list.selectRow(0);
        QTest::keyClick(list, Qt::Key_Up, ctrlShift);
        QCOMPARE(views.list.nameOfRow(0), QStringLiteral("kilometer"));
        fixture.window().views().toggleListSort();
        QTest::keyClick(list, Qt::Key_Down, ctrlShift);
        QCOMPARE(fixture.window().hints().currentHint(), 3);
    }

    void aUnitDroppedOnAValueBoxIsPickedEvenWhenEditingIsOff() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Option", "Modify", QStringLiteral("0"));
        fixture.start();
        Views views(fixture);
        fixture.clickNode(kLengthNode);
        bool reorderTaken = true;
        auto dropInto = [&](const char* box, int targetRow) {
            views.drags.setRunner([&, box, targetRow](QDrag& drag) {
                reorderTaken = dragOver(views.list.activeViewport(), views.rowAt(targetRow), drag.mimeData());
                auto* target = fixture.find<QLineEdit>(QString::fromLatin1(box));
                QVERIFY(dragOver(target, target->rect().center(), drag.mimeData()));
                dropOn(target, target->rect().center(), drag.mimeData());
            });
        };
        fixture.typeInput(QStringLiteral("1"));
        dropInto("txtInput", 0);
        pressAndPull(views.list.activeViewport(), views.rowAt(1));
        dropInto("txtOutput", 0);
        pressAndPull(views.list.activeViewport(), views.rowAt(2));
        QVERIFY(!reorderTaken);
        QCOMPARE(fixture.panel(2), QStringLiteral("kilometer"));
        QCOMPARE(fixture.panel(4), QStringLiteral("inch"));
        QCOMPARE(fixture.output().left(5), QStringLiteral("39370"));
        QVERIFY(!fixture.window().table().changed);
    }

    void restingAtAnEdgeScrollsUntilTheEndOrEndsASortedDrag() {
        WindowFixture& fixture = makeFixture();
        fixture.start();
        Views views(fixture);
        fixture.clickNode(kLengthNode);
        QScrollBar* bar = views.list.activeView()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const int delayTicks = fixture.window().settings().scrollDownDelay / 100;
        int scrollTicks = 0;
        views.drags.setRunner([&](QDrag&) {
            QWidget* view = views.list.activeView();
            const QPoint bottom = view->mapToGlobal(QPoint(view->width() / 2, view->height() - 2));
            for (int k = 0; k < delayTicks; ++k)
                views.drags.watchTick(bottom);
            QVERIFY(views.drags.scrollTimer().isActive());
            while (views.drags.scrollTimer().isActive() && scrollTicks <= bar->maximum()) {
                views.drags.scrollTick();
                ++scrollTicks;
            }
        });
        pressAndPull(views.list.activeViewport(), views.rowAt(0));
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(scrollTicks, bar->maximum());

        // A sorted list cannot take the unit back: resting at its top ends the drag.
        fixture.window().views().toggleListSort();
        views.drags.setRunner([&](QDrag&) {
            QWidget* view = views.list.activeView();
            for (int k = 0; k < 10 && views.drags.source() != quantora::DragAndDrop::Source::None; ++k)
                views.drags.watchTick(view->mapToGlobal(QPoint(view->width() / 2, 2)));
        });
        pressAndPull(views.list.activeViewport(), views.rowAt(0));
        QVERIFY(fixture.window().hints().isOpen());
        QCOMPARE(fixture.window().hints().currentHint(), 1);
        QVERIFY(!views.drags.watchTimer().isActive());
    }
};

}  // namespace

QUANTORA_WINDOW_TEST_MAIN(DragDropTest)
#include "drag_drop_test.moc"
