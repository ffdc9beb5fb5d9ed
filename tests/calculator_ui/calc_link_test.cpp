// The calculator's link items as another process sees them. The client runs
// on a worker thread so the window can answer on this one.

#include "support/calc_fixture.h"

#include "calculator/ui/calc_link.h"
#include "calculator/ui/calc_window.h"

#include <QLineEdit>

#include <chrono>
#include <functional>
#include <future>

using calctest::CalcFixture;

class CalcLinkTest : public calctest::CalcTest {
    Q_OBJECT

    // Runs what a converter does, on another thread, while this one serves.
    static void asPeer(const std::function<void(common::LinkClient&)>& work) {
        std::future<void> peer = std::async(std::launch::async, [&] {
            common::LinkClient client;
            work(client);
        });
        QTRY_VERIFY_WITH_TIMEOUT(peer.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 20000);
    }

private slots:
    void theItemsCarryTheInputTheResultAndTheSelection() {
        CalcFixture& fixture = makeFixture();
        tallix::CalcLink link;
        QCOMPARE(link.claim(), tallix::LinkClaim::Serving);
        link.attach(fixture.start());
        // A poke to txtInput replaces the whole input; nothing is evaluated.
        asPeer([](common::LinkClient& c) {
            QVERIFY(c.poke(QStringLiteral("txtInput"), QStringLiteral("6*7")));
        });
        QCOMPARE(fixture.input().text(), QStringLiteral("6*7"));
        QCOMPARE(fixture.result(), QString());

        fixture.evaluate(QStringLiteral("6*7"));
        std::optional<QString> result, refused = QStringLiteral("unset");
        bool pokedResult = true;
        asPeer([&](common::LinkClient& c) {
            result = c.request(QStringLiteral("txtCalcResult"));
            pokedResult = c.poke(QStringLiteral("txtCalcResult"), QStringLiteral("1"));
            refused = c.request(QStringLiteral("lblDummy"));
        });
        QVERIFY(!fixture.result().isEmpty());
        QCOMPARE(result, std::optional<QString>(fixture.result()));
        QVERIFY(!pokedResult);  // the result box is read-only for the link
        QCOMPARE(refused, std::nullopt);

        // Sent text replaces exactly the selection. As the converter sends:
        // the empty text, then the value with blanks.
        fixture.input().setText(QStringLiteral("2*(x)+1"));
        fixture.input().setSelection(3, 1);
        bool poked = false;
        asPeer([&](common::LinkClient& c) {
            poked = c.poke(QStringLiteral("txtSource"), QString()) &&
                    c.poke(QStringLiteral("txtSource"), QStringLiteral(" 0.3048 "));
        });
        QVERIFY(poked);
        QCOMPARE(fixture.input().text(), QStringLiteral("2*(0.3048)+1"));
    }
};

TALLIX_WINDOW_TEST_MAIN(CalcLinkTest)
#include "calc_link_test.moc"
