#include "HomeNetwork.h"

#include <QNetworkInterface>

using namespace Qt::StringLiterals;

namespace {

// An IPv4 address written inside IPv6 (::ffff:a.b.c.d) is the IPv4 address.
QHostAddress plain(const QHostAddress& address) {
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4) : address;
}

} // namespace

bool HomeNetwork::isPrivate(const QHostAddress& address) {
    const QHostAddress host = plain(address);
    if (host.protocol() == QAbstractSocket::IPv4Protocol) {
        const quint32 ip = host.toIPv4Address();
        return (ip >> 24) == 10 || (ip >> 20) == ((172u << 4) | 1) ||
               (ip >> 16) == (192u << 8 | 168) || (ip >> 16) == (169u << 8 | 254);
    }
    if (host.protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    const Q_IPV6ADDR ip = host.toIPv6Address();
    return (ip[0] & 0xfe) == 0xfc || (ip[0] == 0xfe && (ip[1] & 0xc0) == 0x80);
}

bool HomeNetwork::isThisComputer(const QHostAddress& address) {
    return plain(address).isLoopback();
}

QList<QHostAddress> HomeNetwork::privateAddresses() {
    QList<QHostAddress> ipv4, ipv6;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (isPrivate(ip))
                (ip.protocol() == QAbstractSocket::IPv4Protocol ? ipv4 : ipv6).append(ip);
        }
    }
    return ipv4 + ipv6;
}

QString HomeNetwork::urlHost(const QHostAddress& address) {
    QHostAddress host = plain(address);
    host.setScopeId(QString());
    return host.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + host.toString() + u']'
                                                            : host.toString();
}
