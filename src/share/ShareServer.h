#pragma once

#include "ShareGate.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <functional>

class GuardedTcpServer;
class ShareHost;
class TodaysList;

// Serves Today's List to the phones of the household: the page at http://ADDRESS:PORT/KEY/, the
// list as JSON at KEY/list, and the changes a phone makes (KEY/tick, KEY/count, KEY/add), each
// through the host's commands. Every request is checked whole before anything is read or changed:
// the key, the Host it names, the peer's address, its size, the rate, and where a change comes
// from; a refusal is a short plain text with its status.
class ShareServer final : public QAbstractHttpServer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShareServer)

public:
    static constexpr qsizetype LargestBody = 4 * 1024;
    static constexpr qsizetype LargestHeaders = 8 * 1024;

    // clock gives steady milliseconds, for the rate and the phones.
    ShareServer(const TodaysList& list, ShareHost& host, const std::function<qint64()>& clock,
                QObject* parent = nullptr);
    ~ShareServer() override;

    // Listens on this computer's private addresses and its loopback address, on the port given
    // where it is free on all of them, else on another; a new key each time. False when even the
    // loopback address cannot be listened on.
    bool start(quint16 port);
    quint16 port() const { return m_port; }
    const QByteArray& key() const { return m_key; }
    // The private addresses listened on, IPv4 first.
    const QList<QHostAddress>& homeAddresses() const { return m_home; }
    // The page's address on the host given.
    QString address(const QHostAddress& host) const;
    int phones() const { return m_gate.phones(m_clock()); }
    // Why start failed.
    const QString& errorText() const { return m_error; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    // 0 when the request may be served, else the status that refuses it, with its text.
    std::pair<int, QByteArray> check(const QHttpServerRequest& request, QTcpSocket* socket);
    std::pair<int, QByteArray> change(QStringView what, const QByteArray& body);
    QJsonObject listJson() const;
    bool listen(quint16 port);
    static void answer(const QHttpServerRequest& request, QTcpSocket* socket, int status,
                       const QByteArray& body, const QByteArray& type);

    const TodaysList& m_list;
    ShareHost& m_host;
    std::function<qint64()> m_clock;
    ShareGate m_gate;
    QList<GuardedTcpServer*> m_servers;
    QList<QHostAddress> m_home;
    QByteArray m_key;
    quint16 m_port = 0;
    QString m_error;
    // Counts the changes of the list, so that a page asks for it only when it changed.
    qint64 m_version = 0;
};
