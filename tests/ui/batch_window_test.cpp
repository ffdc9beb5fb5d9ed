// Batch conversion from the window: opening a data file selects its quantity
// and unit, each convert-into unit picked adds a column, and a cancelled run
// leaves the file exactly as it was.

#include "support/window_fixture.h"

#include "converter/ui/batch_commands.h"
#include "converter/ui/batch_worker.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTreeWidget>

using uitest::WindowFixture;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString writeData(WindowFixture& fixture, const char* name, const QByteArray& bytes) {
    QFile file(fixture.folder() + QStringLiteral("/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", name);
    return file.fileName();
}

// Enter on a unit row picks it as the convert-into unit.
void pickInto(WindowFixture& fixture, const QString& unitName) {
    auto* list = fixture.find<quantora::UnitListView>(QStringLiteral("ListView1"));
    const int row = fixture.rowOf(unitName);
    QVERIFY2(row >= 0, qPrintable(unitName));
    list->selectRow(row);
    QTest::keyClick(list->activeViewport()->parentWidget(), Qt::Key_Return);
}

}  // namespace

class BatchWindowTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void eachPickedUnitAddsAColumn() {
        WindowFixture& fixture = makeFixture();
        quantora::MainWindow& window = fixture.start();
        window.batch().worker().setShowDelay(60000);
        const QString data =
            fixture.copyData(QStringLiteral("batch_length.txt"), QStringLiteral("values.txt"));
        fixture.files.chooseNext(data);
        fixture.action("mnuFileArray_6")->trigger();
        QCOMPARE(fixture.files.requests.back().title, QStringLiteral(" Open Batch Conversion Data File"));
        QVERIFY(window.session().batchMode());
        QCOMPARE(fixture.find<QLineEdit>("txtInput")->text(), QStringLiteral("values.txt"));
        QCOMPARE(fixture.panel(2), QStringLiteral("meter (m)"));
        QCOMPARE(window.session().selection().quantityName, std::string("Length"));
        QCOMPARE(fixture.find<QTreeWidget>("TreeView1")->currentItem()->text(0), QStringLiteral("Length"));
        fixture.refresh();
        QCOMPARE(fixture.action("mnuFileArray_6")->text(), QStringLiteral("&Quit Batch Conversion..."));

        QSignalSpy finished(&window.batch(), &quantora::BatchCommands::runFinished);
        pickInto(fixture, QStringLiteral("millimeter (mm)"));
        QTRY_COMPARE(finished.size(), 1);
        QTRY_COMPARE(fixture.output(), QStringLiteral("Batch conversion completed"));
        pickInto(fixture, QStringLiteral("inch (in)"));
        QTRY_COMPARE(finished.size(), 2);
        QCOMPARE(bytesOf(data), bytesOf(QStringLiteral(TEST_DATA_DIR "/ui/batch_length_mm_in.expected")));
        QCOMPARE(fixture.panel(2), QStringLiteral("meter (m)"));
        QCOMPARE(fixture.panel(4), QStringLiteral("inch (in)"));
        QTRY_COMPARE(fixture.output(), QStringLiteral("Batch conversion completed"));

        // The command again ends batch mode.
        fixture.action("mnuFileArray_6")->trigger();
        QVERIFY(!window.session().batchMode());
        QCOMPARE(fixture.find<QLineEdit>("txtInput")->text(), QString());
    }

    void aCancelledRunLeavesTheFileAsItWas() {
        WindowFixture& fixture = makeFixture();
        quantora::MainWindow& window = fixture.start();
        quantora::BatchWorker& worker = window.batch().worker();
        worker.setShowDelay(60000);
        // The run waits until Cancel was pressed, however fast it would be.
        QSemaphore pressed;
        worker.setStartGate([&pressed] { pressed.tryAcquire(1, 10000); });
        QByteArray original("Length\r\nmeter (m)\r\n");
        for (int i = 0; i < 300000; ++i)
            original += QByteArray::number(i) + "\r\n";
        const QString data = writeData(fixture, "many.txt", original);
        fixture.files.chooseNext(data);
        fixture.action("mnuFileArray_6")->trigger();
        QSignalSpy finished(&window.batch(), &quantora::BatchCommands::runFinished);
        pickInto(fixture, QStringLiteral("millimeter (mm)"));
        QVERIFY(window.batch().running());
        QProgressDialog* progress = worker.progressDialog();
        QVERIFY(progress);
        QVERIFY(progress->findChild<QPushButton*>());
        progress->findChild<QPushButton*>()->click();
        worker.setStartGate({});
        pressed.release();
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(bytesOf(data) == original);
        // Nothing was lost: batch mode goes on and the next pick runs.
        QVERIFY(window.session().batchMode());
        QCOMPARE(fixture.output(), QString());
        pickInto(fixture, QStringLiteral("kilometer (km)"));
        QTRY_COMPARE(finished.size(), 2);
        QVERIFY(bytesOf(data).startsWith(
            "Length\r\nmeter (m); kilometer (km);\r\n0; 0.00000;\r\n1; 0.00100000;"));
    }

    void aFileNamingNoUnitIsRefused() {
        WindowFixture& fixture = makeFixture();
        quantora::MainWindow& window = fixture.start();
        const int node = window.session().selection().node;
        fixture.files.chooseNext(writeData(fixture, "bad.txt", "Length\r\nfurlongs\r\n1\r\n"));
        fixture.action("mnuFileArray_6")->trigger();
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("An error occurred while reading the batch conversion data file.\r\n"
                             "Error Code = 1113 1902 0308"));
        QVERIFY(!window.session().batchMode());
        QCOMPARE(window.session().selection().node, node);
        QCOMPARE(fixture.find<QLineEdit>("txtInput")->text(), QString());
        // A cancelled file dialog leaves batch mode off.
        fixture.files.chooseNext(std::nullopt);
        fixture.action("mnuFileArray_6")->trigger();
        QVERIFY(!window.session().batchMode());
    }
};

QUANTORA_WINDOW_TEST_MAIN(BatchWindowTest)
#include "batch_window_test.moc"
