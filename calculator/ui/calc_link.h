#pragma once
// frmCalc as the link source of the topic "Tallix|frmCalc": a poke to
// txtInput replaces the input, a poke to txtSource goes in place of the
// input's selection, a request to any of them or to txtCalcResult returns
// its text. The same server keeps the program single: a second start finds
// it, asks it to restore and raise its window, and ends.

#include "common/qt/link_channel.h"

#include <QObject>

namespace tallix {

class CalcWindow;

// What start-up does after claiming the link.
enum class LinkClaim {
    Serving,     // this program serves the topic
    HandedOver,  // another calculator serves it and has come forward: end now
    Unlinked,    // no server could be made; the program runs without the link
};

class CalcLink : public QObject {
public:
    explicit CalcLink(QObject* parent = nullptr);

    // Serves the topic, or hands over to the calculator that already does
    // (the previous-instance check and its Alt+R). Runs before the window
    // is made, so a second start ends at once.
    LinkClaim claim(const QString& serverName = common::linkServerName());
    // The window whose items are served; until then every item is refused.
    void attach(CalcWindow& window) { m_window = &window; }

private:
    common::link::Message answer(const common::link::Message& message);

    CalcWindow* m_window = nullptr;
    common::LinkServer m_server;
};

}  // namespace tallix
