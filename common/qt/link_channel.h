#pragma once
// The link between the converter and the calculator over a local socket in
// the abstract namespace (no socket file, so nothing stale after a crash).
// The calculator serves its items with a LinkServer; the converter and a
// second calculator start talk to it with a LinkClient. Every exchange of a
// client gives up after its timeout: a dead, stopped or slow peer costs at
// most that long and fails silently.

#include "common/link_frame.h"

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

namespace common {

// The server name of the calculator's topic for this user and session.
QString linkServerName(std::string_view topic = link::kTopic);

class LinkClient {
public:
    explicit LinkClient(QString serverName = linkServerName(),
                        std::chrono::milliseconds timeout = std::chrono::seconds(1));

    // Sets an item's text; false when no peer took it in time.
    bool poke(const QString& item, const QString& text);
    // An item's text; nothing when no peer answered in time.
    std::optional<QString> request(const QString& item);
    // Asks the serving program to restore and raise its window.
    bool activate();
    // True when a server is listening under the name now.
    bool connect();

private:
    std::optional<link::Message> exchange(const link::Message& message);

    QString m_serverName;
    std::chrono::milliseconds m_timeout;
    QLocalSocket m_socket;
    bool m_failed = false;  // a timed-out peer is not asked again
};

class LinkServer : public QObject {
    Q_OBJECT
public:
    // Answers a poke, a request or an activation with a Reply or Refused.
    using Handler = std::function<link::Message(const link::Message&)>;

    explicit LinkServer(Handler handler, QObject* parent = nullptr);

    // False when a live server already holds the name.
    bool listen(const QString& name = linkServerName());
    QString fullServerName() const { return m_server.fullServerName(); }

private:
    void accept();
    void readFrom(QLocalSocket* socket);

    Handler m_handler;
    // Declared before the server: the server deletes its sockets when it goes,
    // and their disconnected handlers still erase from this map.
    std::map<QLocalSocket*, QByteArray> m_pending;  // bytes of frames still arriving
    QLocalServer m_server;                          // a child too, so it moves with the server to a thread
};

}  // namespace common
