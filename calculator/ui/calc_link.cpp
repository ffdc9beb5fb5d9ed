#include "calculator/ui/calc_link.h"

#include "calculator/ui/calc_window.h"

#include <QLineEdit>

#include <algorithm>
#include <array>

namespace tallix {
namespace {

using common::link::Kind;
using common::link::Message;

constexpr std::array<std::string_view, 3> kItems = {"txtInput", "txtSource", "txtCalcResult"};

bool pokable(std::string_view item) {
    return item == "txtInput" || item == "txtSource";
}

}  // namespace

CalcLink::CalcLink(QObject* parent)
    : QObject(parent), m_server([this](const Message& m) { return answer(m); }, this) {}

LinkClaim CalcLink::claim(const QString& serverName) {
    if (m_server.listen(serverName))
        return LinkClaim::Serving;
    // The name is taken only while its holder lives (abstract namespace).
    common::LinkClient running(serverName);
    if (running.activate())
        return LinkClaim::HandedOver;
    return m_server.listen(serverName) ? LinkClaim::Serving : LinkClaim::Unlinked;
}

Message CalcLink::answer(const Message& message) {
    if (!m_window)
        return {Kind::Refused, message.item, {}};
    if (message.kind == Kind::Activate) {
        m_window->restore();
        return {Kind::Reply, {}, {}};
    }
    const bool known = std::find(kItems.begin(), kItems.end(), message.item) != kItems.end();
    QLineEdit* box = known ? m_window->findChild<QLineEdit*>(QString::fromStdString(message.item)) : nullptr;
    if (!box)
        return {Kind::Refused, message.item, {}};
    if (message.kind == Kind::Request)
        return {Kind::Reply, message.item, box->text().toStdString()};
    if (message.kind == Kind::Poke && pokable(message.item)) {
        box->setText(QString::fromStdString(message.text));
        return {Kind::Reply, message.item, {}};
    }
    return {Kind::Refused, message.item, {}};
}

}  // namespace tallix
