#include "common/qt/qsettings_store.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr char kWriterFlag[] = "--write-setting";

// Child mode: write one value into the store under the given folder and exit.
int writeSettingAndExit(const QStringList& args) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, args.at(2));
    common::QSettingsStore store;
    store.write(args.at(3).toStdString(), args.at(4).toStdString(), args.at(5).toStdString(),
                args.at(6).toStdString());
    store.sync();
    return 0;
}
}  // namespace

class QSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir->path());
    }

    void keysWithLeadingBlanksAndSpacedApplicationsRoundTrip() {
        {
            common::QSettingsStore store;
            store.write("Tallix", "History", " 0", "1+2");
            store.write("Tallix", "History", " 11", "sin(30)");
            store.write("Quantora 2000", "Header", "Text01", "Conversion Factor (Slope)");
            store.write("Quantora 2000", "Option", "CalcPath", "/opt/a, b/calc");
            store.sync();
            QVERIFY(store.fileName("Quantora 2000").startsWith(m_dir->path()));
            QVERIFY(store.fileName("Quantora 2000") != store.fileName("Tallix"));
        }
        common::QSettingsStore reader;
        QCOMPARE(reader.read("Tallix", "History", " 0", "x"), std::string("1+2"));
        QCOMPARE(reader.read("Tallix", "History", " 11", "x"), std::string("sin(30)"));
        QCOMPARE(reader.read("Tallix", "History", "0", "absent"), std::string("absent"));
        QCOMPARE(reader.read("Quantora 2000", "Header", "Text01", ""),
                 std::string("Conversion Factor (Slope)"));
        QCOMPARE(reader.read("Quantora 2000", "Option", "CalcPath", ""), std::string("/opt/a, b/calc"));
        reader.remove("Tallix", "History", " 0");
        QCOMPARE(reader.read("Tallix", "History", " 0", "gone"), std::string("gone"));
    }

    void valueWrittenByAnotherProcessIsRead() {
        common::QSettingsStore store;
        QCOMPARE(store.read("Tallix", "Form", "Run", "0"), std::string("0"));
        const int exitCode = QProcess::execute(QCoreApplication::applicationFilePath(),
                                               {kWriterFlag, m_dir->path(), "Tallix", "Form", "Run", "1"});
        QCOMPARE(exitCode, 0);
        store.sync();
        QCOMPARE(store.read("Tallix", "Form", "Run", "0"), std::string("1"));
    }

    void handEditedListValueReadsAsText() {
        const QString file = m_dir->path() + "/quantora-tallix/Quantora 2000.ini";
        QVERIFY(QDir().mkpath(m_dir->path() + "/quantora-tallix"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[File]\nSaveFilePath=a,b\n");
        out.close();
        common::QSettingsStore store;
        QCOMPARE(store.read("Quantora 2000", "File", "SaveFilePath", ""), std::string("a,b"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 7 && args.at(1) == QLatin1String(kWriterFlag))
        return writeSettingAndExit(args);
    QSettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "qsettings_store_test.moc"
