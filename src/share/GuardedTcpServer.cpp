#include "GuardedTcpServer.h"

#include "HomeNetwork.h"
#include "ShareGate.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr char Received[] = "vittloReceived";

} // namespace

GuardedTcpServer::GuardedTcpServer(ShareGate& gate, const std::function<qint64()>& clock,
                                   QObject* parent)
    : QTcpServer(parent)
    , m_gate(gate)
    , m_clock(clock) {}

void GuardedTcpServer::requestAnswered(QTcpSocket* socket) {
    socket->setProperty(Received, qint64(0));
}

QByteArray GuardedTcpServer::refusalText(int status) {
    switch (status) {
    case 403:
        return "Only this computer and its home network may see the list.";
    case 429:
        return "Too many requests at once. Try again in a moment.";
    default:
        return "Too many phones share the list at once. Try again in a moment.";
    }
}

void GuardedTcpServer::incomingConnection(qintptr handle) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    const QHostAddress peer = socket->peerAddress();
    if (!HomeNetwork::mayReach(peer))
        return refuse(socket, 403);
    if (const int status = m_gate.mayConnect(peer, m_clock()); status != 0)
        return refuse(socket, status);
    m_gate.connectionOpened(peer, m_clock());
    connect(socket, &QTcpSocket::disconnected, this,
            [this, peer] { m_gate.connectionClosed(peer, m_clock()); });
    requestAnswered(socket);
    // Runs before the server's own reading, which takes all that has come.
    connect(socket, &QTcpSocket::readyRead, socket, [socket] {
        const qint64 received = socket->property(Received).toLongLong() + socket->bytesAvailable();
        socket->setProperty(Received, received);
        if (received > LargestRequest) {
            socket->readAll();
            QTimer::singleShot(0, socket, &QTcpSocket::abort);
        }
    });
    addPendingConnection(socket);
}

void GuardedTcpServer::refuse(QTcpSocket* socket, int status) {
    static const QHash<int, QByteArray> reasons{
        {403, "Forbidden"}, {429, "Too Many Requests"}, {503, "Service Unavailable"}};
    // The request is read first, so that the peer sees the answer and not a reset connection.
    const auto answer = [socket, status] {
        socket->readAll();
        if (socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        const QByteArray text = refusalText(status) + '\n';
        socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reasons.value(status) +
                      "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                      QByteArray::number(text.size()) + "\r\nConnection: close\r\n\r\n" + text);
        socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::readyRead, socket, answer);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(5000, socket, &QTcpSocket::abort);
    if (socket->bytesAvailable() > 0)
        answer();
}
