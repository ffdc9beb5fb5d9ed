#include "common/qt/qsettings_store.h"
#include "calculator/eval/calculator_settings.h"
#include "converter/settings/converter_settings.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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

// Files written while it lives cannot grow beyond `bytes`, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not the end of the process
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    // A save the store cannot keep is reported by both programs with the
    // marker of their last step; the old files stay, and the next save that
    // can be kept reports success.
    void failedSaveIsReportedAndKeepsTheOldFiles() {
        common::QSettingsStore store;
        quantora::ConverterSettings converter;
        tallix::CalculatorSettings calculator;
        QVERIFY(quantora::saveConverterSettings(store, converter).ok());
        QVERIFY(tallix::saveSettings(store, calculator).ok());
        const QString converterFile = store.fileName(quantora::kConverterApp);
        const QString calculatorFile = store.fileName(tallix::kApplication);
        const QByteArray converterBefore = fileBytes(converterFile);
        const QByteArray calculatorBefore = fileBytes(calculatorFile);
        QVERIFY(converterBefore.size() > 256 && calculatorBefore.size() > 256);

        converter.digits = 9;
        calculator.options.digits = 12;
        {
            const FileSizeLimit fullDisk(256);
            const auto converterNotice = quantora::saveConverterSettings(store, converter).failure();
            QVERIFY(converterNotice.has_value());
            QCOMPARE(converterNotice->text, std::string("Error Code = PRCG14"));
            QCOMPARE(converterNotice->title, std::string("Quantora 2000"));
            QVERIFY(converterNotice->icon == common::NoticeIcon::Critical);
            const auto calculatorNotice = tallix::saveSettings(store, calculator).failure();
            QVERIFY(calculatorNotice.has_value());
            QCOMPARE(calculatorNotice->text, std::string("Error Code = MSST04"));
            QCOMPARE(calculatorNotice->title, std::string("Tallix"));
        }
        QCOMPARE(fileBytes(converterFile), converterBefore);
        QCOMPARE(fileBytes(calculatorFile), calculatorBefore);

        QVERIFY(quantora::saveConverterSettings(store, converter).ok());
        QVERIFY(tallix::saveSettings(store, calculator).ok());
        // Saves quicker than the file clock still read back as saved.
        for (const char* run : {"1", "0", "1"}) {
            store.write("Tallix", "Form", "Run", run);
            QVERIFY(store.sync());
            QCOMPARE(store.read("Tallix", "Form", "Run", "?"), std::string(run));
        }
        common::QSettingsStore reader;
        QCOMPARE(quantora::readConverterSettings(reader).value().digits, std::int16_t{9});
        QCOMPARE(tallix::readCalculatorSettings(reader).value().options.digits, std::int16_t{12});
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
