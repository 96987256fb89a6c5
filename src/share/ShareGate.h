#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>

// Who may come in: at most 20 requests a second from one address, and at most 8 phones at once,
// a phone being an address that asked, or held a connection, within the last 10 seconds. Times
// are milliseconds of any steady clock, given by the caller, so that the gate never reads one.
class ShareGate final {
public:
    static constexpr int RequestsPerSecond = 20;
    static constexpr int Phones = 8;
    static constexpr qint64 PhoneMemory = 10000;

    // 0 when the request may come in, which then counts; else the HTTP status that refuses it.
    int admit(const QHostAddress& address, qint64 now);
    // What admit would answer, counting nothing: for a connection, before any request.
    int mayConnect(const QHostAddress& address, qint64 now);
    // A connection held keeps its phone counted.
    void connectionOpened(const QHostAddress& address, qint64 now);
    void connectionClosed(const QHostAddress& address, qint64 now);
    // The phones at the moment.
    int phones(qint64 now) const;

private:
    struct Phone {
        QList<qint64> requests; // this second's, oldest first
        qint64 lastSeen = 0;
        int connections = 0;
    };
    bool isPhone(const Phone& phone, qint64 now) const {
        return phone.connections > 0 || now - phone.lastSeen < PhoneMemory;
    }
    // A place for the address, unless 8 others are phones; forgets addresses gone quiet.
    Phone* phoneOf(const QHostAddress& address, qint64 now);
    // The phone's requests of the last second.
    static qsizetype recent(Phone& phone, qint64 now);

    QHash<QHostAddress, Phone> m_phones;
};
