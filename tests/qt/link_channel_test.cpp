// The link's server and client in one process: the client runs on a worker
// thread so the server can answer on this one.

#include "common/qt/link_channel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

#include <chrono>
#include <future>
#include <map>
#include <random>

using common::link::Kind;
using common::link::Message;

namespace {

// Items as a calculator holds them: pokes set, requests read.
class ItemStore {
public:
    Message answer(const Message& m) {
        if (m.item != "txtInput" && m.item != "txtSource")
            return {Kind::Refused, m.item, {}};
        if (m.kind == Kind::Poke)
            m_items[m.item] = m.text;
        return {Kind::Reply, m.item, m.kind == Kind::Request ? m_items[m.item] : std::string()};
    }

private:
    std::map<std::string, std::string> m_items;
};

bool ready(const std::future<void>& f) {
    return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

class LinkChannelTest : public QObject {
    Q_OBJECT

    QString m_name;
    ItemStore m_items;
    common::LinkServer* m_server = nullptr;

private slots:
    void initTestCase() {
        m_name = QStringLiteral("quantora-link-test.%1").arg(QCoreApplication::applicationPid());
        m_server = new common::LinkServer([this](const Message& m) { return m_items.answer(m); }, this);
        QVERIFY(m_server->listen(m_name));
        // The name is held while the server lives.
        common::LinkServer rival([](const Message&) { return Message{}; });
        QVERIFY(!rival.listen(m_name));
    }

    void pokeAndRequestCarryTextBothWays() {
        std::optional<QString> read;
        std::optional<QString> refused;
        bool poked = false;
        std::future<void> client = std::async(std::launch::async, [&] {
            common::LinkClient link(m_name);
            poked = link.poke(QStringLiteral("txtInput"), QStringLiteral("2\u00B13 \u20AC"));
            read = link.request(QStringLiteral("txtInput"));
            refused = link.request(QStringLiteral("txtCalcResult"));
        });
        QTRY_VERIFY_WITH_TIMEOUT(ready(client), 20000);
        QVERIFY(poked);
        QCOMPARE(read, std::optional<QString>(QStringLiteral("2\u00B13 \u20AC")));
        QCOMPARE(refused, std::nullopt);
    }

    void randomAndTruncatedFramesNeverCrashTheServer() {
        std::mt19937 random(14);
        const std::string valid = *common::link::encodeFrame({Kind::Poke, "txtSource", "12.5"});
        for (int round = 0; round < 300; ++round) {
            std::string bytes;
            switch (round % 4) {
                case 0:  // noise
                    bytes.resize(random() % 64);
                    for (char& c : bytes)
                        c = static_cast<char>(random() % 256);
                    break;
                case 1:  // a frame cut short
                    bytes = valid.substr(0, random() % valid.size());
                    break;
                case 2:  // a frame with one byte changed, then more
                    bytes = valid + valid;
                    bytes[random() % valid.size()] = static_cast<char>(random() % 256);
                    break;
                default:  // a header announcing far more than the limit
                    bytes = std::string("\x7F\xFF\xFF\xFF\x01\x01\x00", 7) + std::string(1000, 'x');
                    break;
            }
            QLocalSocket raw;
            raw.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
            raw.connectToServer(m_name);
            QVERIFY(raw.waitForConnected(5000));
            raw.write(bytes.data(), static_cast<qint64>(bytes.size()));
            raw.flush();
            QCoreApplication::processEvents();
            if (round % 3 == 0)
                raw.abort();
        }
        QCoreApplication::processEvents();
        // Still serving, and the frames that were valid did arrive.
        std::optional<QString> read;
        std::future<void> client = std::async(std::launch::async, [&] {
            common::LinkClient link(m_name);
            read = link.request(QStringLiteral("txtSource"));
        });
        QTRY_VERIFY_WITH_TIMEOUT(ready(client), 20000);
        QCOMPARE(read, std::optional<QString>(QStringLiteral("12.5")));
    }

    void aSilentOrMissingPeerFailsWithinItsTimeout() {
        QLocalServer silent;
        silent.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        QVERIFY(silent.listen(m_name + QStringLiteral(".silent")));
        qint64 tookSilent = 0;
        qint64 tookMissing = 0;
        std::optional<QString> read = QStringLiteral("unset");
        bool activated = true;
        std::future<void> client = std::async(std::launch::async, [&] {
            QElapsedTimer timer;
            timer.start();
            common::LinkClient link(m_name + QStringLiteral(".silent"), std::chrono::milliseconds(300));
            read = link.request(QStringLiteral("txtInput"));
            tookSilent = timer.restart();
            activated = common::LinkClient(m_name + QStringLiteral(".nobody")).activate();
            tookMissing = timer.elapsed();
        });
        QTRY_VERIFY_WITH_TIMEOUT(ready(client), 20000);
        QCOMPARE(read, std::nullopt);
        QVERIFY(!activated);
        // Waited for the timeout, not for ever; nobody listening fails at once.
        QVERIFY(tookSilent >= 250);
        QVERIFY2(tookSilent < 5000, qPrintable(QString::number(tookSilent)));
        QVERIFY2(tookMissing < 5000, qPrintable(QString::number(tookMissing)));
    }
};

QTEST_GUILESS_MAIN(LinkChannelTest)
#include "link_channel_test.moc"
