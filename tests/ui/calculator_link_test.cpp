// The converter and the real calculator program side by side: starting it,
// sending and fetching values, its exit, a second start and a stopped
// calculator. The calculator runs offscreen with this test's private runtime
// folder (so its link name is private too) and settings folder.

#include "support/window_fixture.h"

#include "common/qt/link_channel.h"
#include "converter/ui/calculator_link.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QThread>

#include <csignal>

using uitest::WindowFixture;

namespace {

// Starting a program on a busy machine can take long; waiting costs only
// when something is wrong.
constexpr int kStartTimeout = 30000;
// A request to a stopped calculator gives up after a second; this bound only
// has to tell "about a second" from "hangs".
constexpr qint64 kStoppedPeerLimit = 8000;

QString request(const char* item) {
    common::LinkClient client;
    return client.request(QString::fromLatin1(item)).value_or(QStringLiteral("<no answer>"));
}

bool calculatorServes() {
    return common::LinkClient().connect();
}

QString published(const char* section, const char* key) {
    common::QSettingsStore reader;
    return QString::fromStdString(reader.read("Tallix", section, key, "<missing>"));
}

// A calculator process the test owns: continued and ended whatever happens.
class OwnedCalculator {
public:
    void start() { m_process.start(QStringLiteral(TALLIX_PATH), {}); }
    QProcess& process() { return m_process; }
    ~OwnedCalculator() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(m_process.processId()), SIGCONT);
        m_process.kill();
        m_process.waitForFinished(kStartTimeout);
    }

private:
    QProcess m_process;
};

// A calculator the converter started on its own (detached): killed at the end.
struct DetachedCalculator {
    qint64 pid = 0;
    ~DetachedCalculator() {
        if (pid > 0) {
            ::kill(static_cast<pid_t>(pid), SIGCONT);
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
    }
};

}  // namespace

class CalculatorLinkTest : public uitest::WindowTest {
    Q_OBJECT

    WindowFixture& fixtureBesideCalculator() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        // A calculator started from here reads and publishes in the same folder.
        qputenv("XDG_CONFIG_HOME", fixture.settingsFolder().toUtf8());
        return fixture;
    }

private slots:
    void getResultBringsTheCalculatorsResultAndConvertsIt() {
        WindowFixture& fixture = fixtureBesideCalculator();
        fixture.start();
        fixture.convert(QStringLiteral("1"), "foot", "meter");
        // A calculator's link served from another thread, so this thread may block on it.
        QThread thread;
        thread.start();
        auto* server = new common::LinkServer([](const common::link::Message& m) -> common::link::Message {
            if (m.kind == common::link::Kind::Request && m.item == "txtCalcResult")
                return {common::link::Kind::Reply, m.item, "2"};
            return {common::link::Kind::Refused, m.item, {}};
        });
        server->moveToThread(&thread);
        bool listening = false;
        QMetaObject::invokeMethod(
            server, [&] { listening = server->listen(common::linkServerName()); },
            Qt::BlockingQueuedConnection);
        QVERIFY(listening);
        {
            common::QSettingsStore calculatorSide;
            calculatorSide.write("Tallix", "Form", "Run", "1");
            calculatorSide.write("Tallix", "History", "Result", "2");
            calculatorSide.sync();
        }
        fixture.refresh();
        QVERIFY(fixture.action("mnuEditArray_4")->isEnabled());
        QVERIFY(fixture.action("tbCopyCalc")->isEnabled());
        fixture.action("mnuEditArray_4")->trigger();
        QCOMPARE(fixture.find<QLineEdit>(QStringLiteral("txtInput"))->text(), QStringLiteral("2"));
        QCOMPARE(fixture.output(), QStringLiteral("0.609600"));
        QMetaObject::invokeMethod(
            server, [server] { delete server; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }

    void runCalculatorSendsTheBareResultAndItsExitDisablesTheItems() {
        WindowFixture& fixture = fixtureBesideCalculator();
        fixture.setSetting("Option", "ShowError", QStringLiteral("True"));
        quantora::MainWindow& window = fixture.start();
        fixture.convert(QStringLiteral("1"), "foot", "meter");
        const QString bare = fixture.find<QLineEdit>(QStringLiteral("txtDest"))->text();
        QVERIFY(fixture.output().contains(QChar(0xB1)));
        QVERIFY(!bare.isEmpty() && !bare.contains(QChar(0xB1)));

        fixture.action("mnuToolsArray_0")->trigger();
        DetachedCalculator calculator{window.calculator().lastProcess()};
        QVERIFY(calculator.pid > 0);
        QVERIFY(window.calculator().started());
        QTRY_COMPARE_WITH_TIMEOUT(request("txtInput"), bare, kStartTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(fixture.action("mnuEditArray_5")->isEnabled(), kStartTimeout);
        QVERIFY(fixture.action("tbPasteCalc")->isEnabled());
        QVERIFY(!fixture.action("mnuEditArray_4")->isEnabled());  // no result yet

        // The same value sent twice arrives twice, at the input's caret.
        fixture.action("mnuEditArray_5")->trigger();
        QCOMPARE(request("txtInput"), bare + bare);
        fixture.action("tbPasteCalc")->trigger();
        QCOMPARE(request("txtInput"), bare + bare + bare);

        // Ended as a session ends it: the window closes and publishes the exit.
        ::kill(static_cast<pid_t>(calculator.pid), SIGTERM);
        QTRY_COMPARE_WITH_TIMEOUT(published("Form", "Run"), QStringLiteral("0"), kStartTimeout);
        fixture.refresh();
        for (const char* item : {"mnuEditArray_4", "mnuEditArray_5", "tbCopyCalc", "tbPasteCalc"})
            QVERIFY2(!fixture.action(item)->isEnabled(), item);
        QTRY_VERIFY_WITH_TIMEOUT(!calculatorServes(), kStartTimeout);
    }

    void aSecondCalculatorActivatesTheFirstAndEnds() {
        fixtureBesideCalculator();
        OwnedCalculator first;
        first.start();
        QTRY_VERIFY_WITH_TIMEOUT(calculatorServes(), kStartTimeout);
        QProcess second;
        second.start(QStringLiteral(TALLIX_PATH), {});
        QVERIFY(second.waitForFinished(kStartTimeout));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.process().state(), QProcess::Running);
        QCOMPARE(published("Form", "Run"), QStringLiteral("1"));
        first.process().terminate();
        QVERIFY(first.process().waitForFinished(kStartTimeout));
        QCOMPARE(first.process().exitCode(), 0);
        QCOMPARE(published("Form", "Run"), QStringLiteral("0"));
    }

    void aProgramThatCannotStartIsNamedInTheMessage() {
        WindowFixture& fixture = fixtureBesideCalculator();
        fixture.setSetting("Option", "CalcType", QStringLiteral("2"));
        fixture.setSetting("Option", "CalcPath", QStringLiteral("/nonexistent/tools/mycalc"));
        quantora::MainWindow& window = fixture.start();
        QVERIFY(fixture.action("tbCalc")->isEnabled());
        fixture.action("tbCalc")->trigger();
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        const common::Notice& notice = fixture.messages.shown.front();
        QCOMPARE(notice.icon, common::NoticeIcon::Exclamation);
        QCOMPARE(notice.title, std::string("Quantora 2000 "));
        QCOMPARE(notice.text, std::string("The executable file 'mycalc' cannot be found."));
        QVERIFY(!window.calculator().started());
        QCOMPARE(window.calculator().lastProcess(), qint64{0});
    }

    void aStoppedCalculatorDoesNotFreezeTheConverter() {
        WindowFixture& fixture = fixtureBesideCalculator();
        quantora::MainWindow& window = fixture.start();
        fixture.convert(QStringLiteral("1"), "foot", "meter");
        OwnedCalculator calculator;
        calculator.start();
        QTRY_VERIFY_WITH_TIMEOUT(calculatorServes(), kStartTimeout);
        ::kill(static_cast<pid_t>(calculator.process().processId()), SIGSTOP);
        QElapsedTimer elapsed;
        elapsed.start();
        window.calculator().getResult();
        window.calculator().sendResult();
        QVERIFY2(elapsed.elapsed() < kStoppedPeerLimit, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(fixture.find<QLineEdit>(QStringLiteral("txtInput"))->text(), QStringLiteral("1"));
    }
};

QUANTORA_WINDOW_TEST_MAIN(CalculatorLinkTest)
#include "calculator_link_test.moc"
