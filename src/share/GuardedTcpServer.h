#pragma once

#include <QTcpServer>
#include <functional>

class ShareGate;
class QTcpSocket;

// Listens for the shared list's server and keeps out what it should not read: a peer that is not
// on a private network or this computer, one over the gate's rate or beyond its phones (answered
// with a short refusal), and a request that grows past 12 KB (cut off unread).
class GuardedTcpServer final : public QTcpServer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedTcpServer)

public:
    static constexpr qint64 LargestRequest = 12 * 1024;

    GuardedTcpServer(ShareGate& gate, const std::function<qint64()>& clock,
                     QObject* parent = nullptr);

    // A request was answered: the next one on the connection counts its bytes afresh.
    static void requestAnswered(QTcpSocket* socket);
    // What a peer refused at the door is told: for 403 (not on a home network), 429 and 503.
    static QByteArray refusalText(int status);

protected:
    void incomingConnection(qintptr handle) override;

private:
    void refuse(QTcpSocket* socket, int status);

    ShareGate& m_gate;
    std::function<qint64()> m_clock;
};
