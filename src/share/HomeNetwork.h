#pragma once

#include <QHostAddress>
#include <QList>

// Where a shared list may be reached from: this computer and the private networks it is on,
// never the internet.
class HomeNetwork final {
public:
    // IPv4 10/8, 172.16/12, 192.168/16 and 169.254/16; IPv6 fc00::/7 and fe80::/10; also those
    // written as IPv4 inside IPv6.
    static bool isPrivate(const QHostAddress& address);
    static bool isThisComputer(const QHostAddress& address);
    // Whether a peer may be answered at all.
    static bool mayReach(const QHostAddress& address) {
        return isPrivate(address) || isThisComputer(address);
    }
    // This computer's private addresses on the interfaces that are up, IPv4 first.
    static QList<QHostAddress> privateAddresses();
    // The address as a URL's host names it: IPv6 in brackets, without a zone.
    static QString urlHost(const QHostAddress& address);
};
