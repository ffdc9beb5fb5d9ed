// Open, Save, Save As and Exit, with every answer to the changed-file question.

#include "support/window_fixture.h"

#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>

using common::NoticeAnswer;
using uitest::WindowFixture;

namespace {

// An edit the later editing commands would make: a renamed unit.
void renameMeter(quantora::MainWindow& window, const char* name) {
    window.table().unit(3, 1).name = name;
    window.table().changed = true;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString rootText(const WindowFixture& fixture) {
    return fixture.find<QTreeWidget>("TreeView1")->topLevelItem(0)->text(0);
}

const std::string kChangedQuestion = "The file 'DEFAULT.DAT' has changed.\nDo you want to save the changes?";

}  // namespace

class FileCommandsTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void openingAnotherTableReplacesTheTree() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        fixture.find<QLineEdit>("txtInput")->setText(QStringLiteral("1"));
        fixture.clickUnit(0, Qt::LeftButton);
        const QString other = fixture.copyData(QStringLiteral("small.dat"), QStringLiteral("other.txt"));
        fixture.files.chooseNext(other);
        fixture.action("mnuFileArray_0")->trigger();

        const quantora::FileDialogRequest& request = fixture.files.requests.at(0);
        QCOMPARE(request.title, QStringLiteral(" Open"));
        QCOMPARE(request.kind, quantora::FileDialogRequest::Kind::Open);
        QCOMPARE(request.fileName, QStringLiteral("DEFAULT.DAT"));
        QCOMPARE(request.directory, fixture.folder() + QStringLiteral("/"));
        QCOMPARE(request.nameFilters,
                 QStringList({QStringLiteral("Data files (*.dat *.txt)"), QStringLiteral("All Files (*)")}));
        QCOMPARE(rootText(fixture), QStringLiteral("other.txt"));
        QCOMPARE(window.table().filePath, other.toStdString());
        QCOMPARE(fixture.find<quantora::UnitListView>("ListView1")->itemCount(), 0);
        QCOMPARE(fixture.find<QLineEdit>("txtInput")->text(), QString());
        QCOMPARE(fixture.panel(2), QString());
    }

    void openWithChangesFollowsTheAnswer() {
        struct Case {
            const char* name;
            const char* command;
            NoticeAnswer answer;
            const char* saveAs;  // nullptr: not asked; "": cancelled
            bool opens;
        };
        const Case cases[] = {
            {"Cancel", "mnuFileArray_0", NoticeAnswer::Cancel, nullptr, false},
            {"Yes, then no name", "tbOpen", NoticeAnswer::Yes, "", false},
            {"Yes", "mnuFileArray_0", NoticeAnswer::Yes, "saved.dat", true},
            {"No", "mnuFileArray_0", NoticeAnswer::No, nullptr, true},
        };
        for (const Case& c : cases) {
            WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
            quantora::MainWindow& window = fixture.start();
            const QByteArray before = fileBytes(fixture.tablePath());
            renameMeter(window, "metre");
            const QString saved = fixture.folder() + QStringLiteral("/") + QString::fromLatin1(c.saveAs);
            fixture.messages.answerNext(c.answer);
            if (c.saveAs)
                fixture.files.chooseNext(*c.saveAs ? std::optional<QString>(saved) : std::nullopt);
            if (c.opens)
                fixture.files.chooseNext(
                    fixture.copyData(QStringLiteral("small.dat"), QStringLiteral("other.dat")));
            fixture.action(c.command)->trigger();

            const std::vector<quantora::FileDialogRequest>& requests = fixture.files.requests;
            QVERIFY2(fixture.messages.shown.at(0).text == kChangedQuestion, c.name);
            QVERIFY2(fixture.messages.shown.at(0).title == "Quantora 2000 ", c.name);
            QVERIFY2(requests.size() == std::size_t(c.saveAs ? 1 : 0) + (c.opens ? 1 : 0), c.name);
            if (c.saveAs)
                QVERIFY2(requests[0].title == QStringLiteral(" Save As") && requests[0].confirmOverwrite,
                         c.name);
            QVERIFY2(
                rootText(fixture) == (c.opens ? QStringLiteral("other.dat") : QStringLiteral("DEFAULT.DAT")),
                c.name);
            QVERIFY2(window.table().changed == !c.opens, c.name);
            QVERIFY2(window.table().unit(3, 1).name == (c.opens ? "meter" : "metre"), c.name);
            if (c.answer == NoticeAnswer::Yes && c.opens) {
                QVERIFY(fileBytes(saved).contains("1;metre;1;0;;;SI base unit"));
                QCOMPARE(fixture.storedSetting("File", "SaveFilePath"), saved);
            }
            if (c.answer == NoticeAnswer::No) {
                QCOMPARE(fixture.storedSetting("View", "View"), QStringLiteral("3"));
                QCOMPARE(fileBytes(fixture.tablePath()), before);
            }
        }
    }

    void anUnreadableFileBringsTheDialogBackAndKeepsTheTable() {
        for (const bool edited : {false, true}) {
            WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
            quantora::MainWindow& window = fixture.start();
            if (edited) {
                renameMeter(window, "metre");
                fixture.messages.answerNext(NoticeAnswer::No);
            }
            fixture.files.chooseNext(
                fixture.copyData(QStringLiteral("broken.dat"), QStringLiteral("broken.dat")));
            fixture.files.chooseNext(std::nullopt);
            fixture.action("mnuFileArray_0")->trigger();
            // Asked once, then the dialog again; the table shown is still whole, and still unsaved.
            QCOMPARE(fixture.files.requests.size(), std::size_t{2});
            QCOMPARE(fixture.messages.shown.size(), std::size_t{edited ? 2u : 1u});
            QCOMPARE(window.table().filePath, fixture.tablePath().toStdString());
            QCOMPARE(window.table().quantityCount, 7);
            QCOMPARE(rootText(fixture), QStringLiteral("DEFAULT.DAT"));
            QCOMPARE(window.table().unit(3, 1).name, std::string(edited ? "metre" : "meter"));
            QCOMPARE(window.table().changed, edited);
            fixture.clickNode(10);
            QCOMPARE(fixture.find<quantora::UnitListView>("ListView1")->itemCount(), 3);
        }
    }

    void saveAsksFirstAndOnlyWithChanges() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        QAction* save = fixture.action("mnuFileArray_1");
        fixture.refresh();
        save->trigger();
        QVERIFY(fixture.messages.shown.empty());

        renameMeter(window, "metre");
        fixture.messages.answerNext(NoticeAnswer::No);
        save->trigger();
        QCOMPARE(fixture.messages.shown.at(0).title, std::string(" Save"));
        QCOMPARE(fixture.messages.shown.at(0).text,
                 std::string("Do you really want to overwrite the existing file?"));
        QVERIFY(!fileBytes(fixture.tablePath()).contains("metre"));
        QVERIFY(window.table().changed);

        fixture.messages.answerNext(NoticeAnswer::Yes);
        save->trigger();
        QVERIFY(fileBytes(fixture.tablePath()).contains("1;metre;1;0;;;SI base unit"));
        QVERIFY(!window.table().changed);
        QVERIFY(!(QFile::permissions(fixture.tablePath()) & QFile::WriteOwner));
    }

    void saveAsTakesTheNewNameEverywhere() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        renameMeter(window, "metre");
        const QString copy = fixture.folder() + QStringLiteral("/copy.dat");
        fixture.files.chooseNext(copy);
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(fixture.files.requests.at(0).title, QStringLiteral(" Save As"));
        QVERIFY(fileBytes(copy).contains("metre"));
        QCOMPARE(rootText(fixture), QStringLiteral("copy.dat"));
        QVERIFY(!window.table().changed);

        renameMeter(window, "meter");
        fixture.messages.answerNext(NoticeAnswer::Cancel);
        QVERIFY(!fixture.close());
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("The file 'copy.dat' has changed.\nDo you want to save the changes?"));
    }

    void aTableThatCannotBeWrittenKeepsItsChanges() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        renameMeter(window, "metre");
        fixture.files.chooseNext(fixture.folder() + QStringLiteral("/no/such/folder/copy.dat"));
        fixture.action("mnuFileArray_2")->trigger();
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QCOMPARE(fixture.messages.shown[0].icon, common::NoticeIcon::Critical);
        QVERIFY(window.table().changed);
        QCOMPARE(window.table().filePath, fixture.tablePath().toStdString());
        QCOMPARE(rootText(fixture), QStringLiteral("DEFAULT.DAT"));

        // Leaving: Yes, then a file that cannot be written keeps the window open.
        fixture.messages.answerNext(NoticeAnswer::Yes);
        fixture.files.chooseNext(fixture.folder() + QStringLiteral("/no/such/folder/copy.dat"));
        QVERIFY(!fixture.close());
        QVERIFY(window.isVisible());
    }

    void exitAsksAndFollowsEachAnswer() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        renameMeter(window, "metre");

        fixture.messages.answerNext(NoticeAnswer::Cancel);
        fixture.action("tbExit")->trigger();
        QVERIFY(window.isVisible());
        QCOMPARE(fixture.storedSetting("Form", "Width"), QStringLiteral("<missing>"));

        fixture.messages.answerNext(NoticeAnswer::Yes);
        fixture.files.chooseNext(std::nullopt);
        fixture.action("mnuFileArray_8")->trigger();
        QVERIFY(window.isVisible());

        fixture.messages.answerNext(NoticeAnswer::No);
        fixture.action("mnuFileArray_8")->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(fixture.storedSetting("Form", "Width"), QStringLiteral("9600"));
        QVERIFY(!fileBytes(fixture.tablePath()).contains("metre"));
    }

    void exitWithYesSavesUnderTheChosenName() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        renameMeter(window, "metre");
        const QString saved = fixture.folder() + QStringLiteral("/kept.dat");
        fixture.messages.answerNext(NoticeAnswer::Yes);
        fixture.files.chooseNext(saved);
        QVERIFY(fixture.close());
        QVERIFY(fileBytes(saved).contains("metre"));
        QCOMPARE(fixture.storedSetting("File", "SaveFilePath"), saved);
    }
};

QUANTORA_WINDOW_TEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
