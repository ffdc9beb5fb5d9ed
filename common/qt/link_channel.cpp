#include "common/qt/link_channel.h"

#include <QDeadlineTimer>

#include <unistd.h>

#include <algorithm>

namespace common {
namespace {

std::string toStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

QString linkServerName(std::string_view topic) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return QString::fromStdString(
        link::serverName(topic, static_cast<unsigned long>(::getuid()), runtime.toStdString()));
}

LinkClient::LinkClient(QString serverName, std::chrono::milliseconds timeout)
    : m_serverName(std::move(serverName)), m_timeout(timeout) {
    m_socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
}

bool LinkClient::connect() {
    if (m_failed)
        return false;
    if (m_socket.state() == QLocalSocket::ConnectedState)
        return true;
    m_socket.connectToServer(m_serverName);
    if (!m_socket.waitForConnected(static_cast<int>(m_timeout.count()))) {
        m_socket.abort();
        return false;
    }
    return true;
}

std::optional<link::Message> LinkClient::exchange(const link::Message& message) {
    const std::optional<std::string> frame = link::encodeFrame(message);
    if (!frame || !connect())
        return std::nullopt;
    const QDeadlineTimer deadline(m_timeout);
    m_socket.write(frame->data(), static_cast<qint64>(frame->size()));
    while (m_socket.bytesToWrite() > 0) {
        if (!m_socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            break;
    }
    QByteArray received;
    while (!deadline.hasExpired()) {
        received += m_socket.readAll();
        const link::Decoded decoded = link::decodeFrame(
            std::string_view(received.constData(), static_cast<std::size_t>(received.size())));
        if (decoded.status == link::DecodeStatus::Complete)
            return decoded.message;
        if (decoded.status == link::DecodeStatus::Malformed)
            break;
        if (m_socket.state() != QLocalSocket::ConnectedState)
            break;
        m_socket.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    // A peer that did not answer in time is given up for this client.
    m_failed = true;
    m_socket.abort();
    return std::nullopt;
}

bool LinkClient::poke(const QString& item, const QString& text) {
    const std::optional<link::Message> answer = exchange({link::Kind::Poke, toStd(item), toStd(text)});
    return answer && answer->kind == link::Kind::Reply;
}

std::optional<QString> LinkClient::request(const QString& item) {
    const std::optional<link::Message> answer = exchange({link::Kind::Request, toStd(item), {}});
    if (!answer || answer->kind != link::Kind::Reply)
        return std::nullopt;
    return QString::fromStdString(answer->text);
}

bool LinkClient::activate() {
    const std::optional<link::Message> answer = exchange({link::Kind::Activate, {}, {}});
    return answer && answer->kind == link::Kind::Reply;
}

LinkServer::LinkServer(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)), m_pending(), m_server(this) {
    m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    QObject::connect(&m_server, &QLocalServer::newConnection, this, &LinkServer::accept);
}

bool LinkServer::listen(const QString& name) {
    return m_server.listen(name);
}

void LinkServer::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        m_pending[socket];
        QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        QObject::connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_pending.erase(socket);
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void LinkServer::readFrom(QLocalSocket* socket) {
    const auto it = m_pending.find(socket);
    if (it == m_pending.end())
        return;
    QByteArray& buffer = it->second;
    buffer += socket->readAll();
    while (true) {
        const link::Decoded decoded =
            link::decodeFrame(std::string_view(buffer.constData(), static_cast<std::size_t>(buffer.size())));
        if (decoded.status == link::DecodeStatus::NeedMore)
            return;
        if (decoded.status == link::DecodeStatus::Malformed) {
            // A peer that speaks something else is dropped, not answered.
            buffer.clear();
            socket->abort();
            return;
        }
        buffer.remove(0, static_cast<qsizetype>(decoded.consumed));
        link::Message answer = m_handler(decoded.message);
        std::optional<std::string> frame = link::encodeFrame(answer);
        if (!frame)
            frame = link::encodeFrame({link::Kind::Refused, {}, {}});
        socket->write(frame->data(), static_cast<qint64>(frame->size()));
        // The handler may have run events; the socket can be gone by now.
        if (!m_pending.contains(socket))
            return;
    }
}

}  // namespace common
