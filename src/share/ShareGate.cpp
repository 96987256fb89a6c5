#include "ShareGate.h"

ShareGate::Phone* ShareGate::phoneOf(const QHostAddress& address, qint64 now) {
    if (auto found = m_phones.find(address); found != m_phones.end())
        return &found.value();
    for (auto phone = m_phones.begin(); phone != m_phones.end();)
        phone = isPhone(phone.value(), now) ? std::next(phone) : m_phones.erase(phone);
    if (m_phones.size() >= Phones)
        return nullptr;
    Phone& phone = m_phones[address];
    phone.lastSeen = now;
    return &phone;
}

qsizetype ShareGate::recent(Phone& phone, qint64 now) {
    while (!phone.requests.isEmpty() && now - phone.requests.first() >= 1000)
        phone.requests.removeFirst();
    return phone.requests.size();
}

int ShareGate::admit(const QHostAddress& address, qint64 now) {
    const int status = mayConnect(address, now);
    if (status == 0)
        m_phones[address].requests.append(now);
    return status;
}

int ShareGate::mayConnect(const QHostAddress& address, qint64 now) {
    Phone* phone = phoneOf(address, now);
    if (!phone)
        return 503;
    phone->lastSeen = now;
    return recent(*phone, now) >= RequestsPerSecond ? 429 : 0;
}

void ShareGate::connectionOpened(const QHostAddress& address, qint64 now) {
    if (Phone* phone = phoneOf(address, now))
        ++phone->connections;
}

void ShareGate::connectionClosed(const QHostAddress& address, qint64 now) {
    if (auto found = m_phones.find(address); found != m_phones.end() && found->connections > 0) {
        --found->connections;
        found->lastSeen = now;
    }
}

int ShareGate::phones(qint64 now) const {
    int count = 0;
    for (const Phone& phone : m_phones)
        count += isPhone(phone, now) ? 1 : 0;
    return count;
}
