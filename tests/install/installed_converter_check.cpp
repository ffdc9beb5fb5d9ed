// Run from inside an installed program folder (the install test copies it
// there): the converter as installed, against a fresh home folder, copies the
// bundled table to the user's data folder, never overwrites that copy again,
// and converts with it.

#include "common/qt/message_presenter.h"
#include "common/qt/qsettings_store.h"
#include "converter/ui/converter_program.h"
#include "converter/ui/file_chooser.h"
#include "converter/ui/unit_list_view.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include <vector>

namespace {

class RecordedMessages final : public common::MessagePresenter {
public:
    common::NoticeAnswer present(QWidget*, const common::Notice& notice, common::NoticeButtons) override {
        shown.push_back(notice);
        return common::NoticeAnswer::Cancel;
    }
    std::vector<common::Notice> shown;
};

class NoFiles final : public quantora::FileChooser {
public:
    std::optional<QString> choose(QWidget*, const quantora::FileDialogRequest&) override {
        return std::nullopt;
    }
};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int rowOf(const quantora::UnitListView& list, const QString& name) {
    for (int row = 0; row < list.itemCount(); ++row) {
        if (list.nameOfRow(row) == name)
            return row;
    }
    return -1;
}

}  // namespace

class InstalledConverterCheck : public QObject {
    Q_OBJECT
private slots:
    // The name the installed quantora runs under decides its data folder.
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("quantora")); }

    void theFirstStartCopiesTheTableAndConverts() {
        const QString bundled = QCoreApplication::applicationDirPath() + QStringLiteral("/DEFAULT.DAT");
        const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY2(!QFile::exists(userDir + QStringLiteral("/DEFAULT.DAT")), "the home folder is not fresh");

        const QString folder = quantora::defaultTableFolder();
        QCOMPARE(folder, userDir);
        const QByteArray copy = contentsOf(folder + QStringLiteral("/DEFAULT.DAT"));
        QVERIFY(!copy.isEmpty());
        QCOMPARE(copy, contentsOf(bundled));

        common::QSettingsStore store;
        RecordedMessages messages;
        NoFiles files;
        quantora::ConverterProgram program(store, messages, files, folder);
        program.window().start();
        QVERIFY(messages.shown.empty());
        QCOMPARE(
            program.window().findChild<QTreeWidget*>(QStringLiteral("TreeView1"))->currentItem()->text(0),
            QStringLiteral("Length"));

        auto* list = program.window().findChild<quantora::UnitListView*>(QStringLiteral("ListView1"));
        program.window().findChild<QLineEdit*>(QStringLiteral("txtInput"))->setText(QStringLiteral("1"));
        const int foot = rowOf(*list, QStringLiteral("foot (ft)"));
        const int meter = rowOf(*list, QStringLiteral("meter (m)"));
        QVERIFY(foot >= 0 && meter >= 0);
        QTest::mouseClick(list->activeViewport(), Qt::LeftButton, {}, list->rowRect(foot).center());
        QTest::mouseClick(list->activeViewport(), Qt::RightButton, {}, list->rowRect(meter).center());
        QCOMPARE(program.window().findChild<QLineEdit*>(QStringLiteral("txtOutput"))->text(),
                 QStringLiteral("0.304800"));
    }

    void aLaterStartKeepsTheUsersTable() {
        const QString userTable = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                  QStringLiteral("/DEFAULT.DAT");
        QFile::setPermissions(userTable, QFile::ReadOwner | QFile::WriteOwner);
        QFile file(userTable);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("1;My own category;1\r\n");
        file.close();
        quantora::defaultTableFolder();
        QCOMPARE(contentsOf(userTable), QByteArray("1;My own category;1\r\n"));
    }
};

QTEST_MAIN(InstalledConverterCheck)
#include "installed_converter_check.moc"
