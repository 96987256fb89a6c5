#include "ShareServer.h"

#include "Entry.h"
#include "GuardedTcpServer.h"
#include "HomeNetwork.h"
#include "ShareHost.h"
#include "TodaysList.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace {

QByteArray header(const QHttpServerRequest& request, QByteArrayView name) {
    for (const auto& [key, value] : request.headers())
        if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

// Takes as long for every wrong key of any length, so that timing tells nothing of the key.
bool sameKey(QStringView given, const QByteArray& key) {
    unsigned difference = unsigned(given.size() ^ key.size());
    for (qsizetype i = 0; i < key.size(); ++i)
        difference |= unsigned(i < given.size() ? given[i].unicode() : 0) ^ uchar(key[i]);
    return difference == 0;
}

QByteArray newKey() {
    quint32 bits[4];
    QRandomGenerator::system()->fillRange(bits);
    return QByteArray(reinterpret_cast<const char*>(bits), sizeof bits).toHex();
}

} // namespace

void ShareServer::answer(const QHttpServerRequest& request, QTcpSocket* socket, int status,
                         const QByteArray& body, const QByteArray& type) {
    // The page comes from this computer only: no caching, no framing, no other site's scripts.
    QHttpServerResponder responder = QAbstractHttpServer::makeResponder(request, socket);
    responder.write(body,
                    {{"Content-Type", type},
                     {"Cache-Control", "no-store"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"X-Frame-Options", "DENY"},
                     {"Referrer-Policy", "same-origin"},
                     {"Content-Security-Policy",
                      "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
                      "connect-src 'self'; img-src data:; form-action 'none'; "
                      "frame-ancestors 'none'"}},
                    QHttpServerResponder::StatusCode(status));
}

ShareServer::ShareServer(const TodaysList& list, ShareHost& host,
                         const std::function<qint64()>& clock, QObject* parent)
    : QAbstractHttpServer(parent)
    , m_list(list)
    , m_host(host)
    , m_clock(clock) {
    connect(&list, &TodaysList::inserted, this, [this] { ++m_version; });
    connect(&list, &TodaysList::replaced, this, [this] { ++m_version; });
    connect(&list, &TodaysList::removed, this, [this] { ++m_version; });
    connect(&list, &TodaysList::rowChanged, this, [this] { ++m_version; });
}

ShareServer::~ShareServer() = default;

bool ShareServer::start(quint16 port) {
    m_key = newKey();
    // A port taken since, on any of the addresses, is given up for one that is free on all.
    for (int attempt = 0; attempt < 5; ++attempt, port = 0)
        if (listen(port))
            return true;
    return false;
}

bool ShareServer::listen(quint16 port) {
    qDeleteAll(m_servers);
    m_servers.clear();
    m_home.clear();
    const QList<QHostAddress> home = HomeNetwork::privateAddresses();
    QList<QHostAddress> addresses{QHostAddress(QHostAddress::LocalHost)};
    addresses += home;
    for (const QHostAddress& address : addresses) {
        auto* server = new GuardedTcpServer(m_gate, m_clock, this);
        if (!server->listen(address, port)) {
            m_error = server->errorString();
            const bool taken = server->serverError() == QAbstractSocket::AddressInUseError;
            delete server;
            // A home address that went away meanwhile is left out; a port taken is not.
            if (taken || m_servers.isEmpty())
                return false;
            continue;
        }
        port = server->serverPort();
        m_servers.append(server);
        if (address != addresses.first())
            m_home.append(address);
        bind(server);
    }
    m_port = port;
    return true;
}

QString ShareServer::address(const QHostAddress& host) const {
    return u"http://%1:%2/%3/"_s.arg(HomeNetwork::urlHost(host))
        .arg(m_port)
        .arg(QString::fromLatin1(m_key));
}

std::pair<int, QByteArray> ShareServer::check(const QHttpServerRequest& request,
                                              QTcpSocket* socket) {
    const QByteArray host =
        (HomeNetwork::urlHost(socket->localAddress()) + u':' + QString::number(m_port)).toLatin1();
    if (header(request, "Host") != host)
        return {403, "The page is shared under its address only."};
    if (!HomeNetwork::mayReach(socket->peerAddress()))
        return {403, GuardedTcpServer::refusalText(403)};
    if (request.body().size() > LargestBody)
        return {413, "The request is too large."};
    qsizetype headers = 0;
    for (const auto& [name, value] : request.headers())
        headers += name.size() + value.size() + 4;
    if (headers > LargestHeaders)
        return {431, "The request's headers are too large."};
    if (const int status = m_gate.admit(socket->peerAddress(), m_clock()); status != 0)
        return {status, GuardedTcpServer::refusalText(status)};
    // A change comes from the page itself, never from another site the phone has open.
    if (request.method() != QHttpServerRequest::Method::Get) {
        const QByteArray origin = header(request, "Origin");
        const QByteArray page = "http://" + host;
        if (origin.isEmpty() ? !header(request, "Referer").startsWith(page + '/') : origin != page)
            return {403, "Changes come from the shared page only."};
    }
    return {0, {}};
}

bool ShareServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    GuardedTcpServer::requestAnswered(socket);
    const QString path = request.url().path();
    // "/KEY/" and what follows it.
    const qsizetype slash = path.indexOf(u'/', 1);
    const QStringView key =
        slash < 0 ? QStringView(path).mid(1) : QStringView(path).mid(1, slash - 1);
    if (!path.startsWith(u'/') || slash < 0 || !sameKey(key, m_key)) {
        answer(request, socket, 404, "There is no such page.\n", "text/plain; charset=utf-8");
        return true;
    }
    const QStringView rest = QStringView(path).mid(slash + 1);
    auto [status, text] = check(request, socket);
    const bool get = request.method() == QHttpServerRequest::Method::Get;
    if (status == 0 && get && rest.isEmpty()) {
        QFile page(u":/share/page.html"_s);
        page.open(QIODevice::ReadOnly);
        answer(request, socket, 200, page.readAll(), "text/html; charset=utf-8");
        return true;
    }
    if (status == 0 && get && rest == u"list") {
        if (request.query().queryItemValue(u"since"_s) == QString::number(m_version))
            answer(request, socket, 204, {}, "text/plain");
        else
            answer(request, socket, 200, QJsonDocument(listJson()).toJson(QJsonDocument::Compact),
                   "application/json");
        return true;
    }
    if (status == 0 && request.method() == QHttpServerRequest::Method::Post)
        std::tie(status, text) = change(rest, request.body());
    else if (status == 0)
        std::tie(status, text) = std::pair(404, QByteArray("There is no such page."));
    if (status == 200)
        answer(request, socket, 200, QJsonDocument(listJson()).toJson(QJsonDocument::Compact),
               "application/json");
    else
        answer(request, socket, status, text + '\n', "text/plain; charset=utf-8");
    return true;
}

void ShareServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    answer(request, socket, 404, "There is no such page.\n", "text/plain; charset=utf-8");
}

std::pair<int, QByteArray> ShareServer::change(QStringView what, const QByteArray& body) {
    QJsonParseError error;
    const QJsonObject asked = QJsonDocument::fromJson(body, &error).object();
    const QJsonValue entry = asked.value(u"entry"_s);
    const QByteArray gone = "The entry is no longer on the list.";
    if (what == u"tick" && entry.isString() && asked.value(u"checked"_s).isBool())
        return m_host.tickEntry(entry.toString(), asked.value(u"checked"_s).toBool())
                   ? std::pair(200, QByteArray())
                   : std::pair(409, gone);
    if (what == u"count" && entry.isString() && qAbs(asked.value(u"by"_s).toInt()) == 1)
        return m_host.changeEntryCount(entry.toString(), asked.value(u"by"_s).toInt())
                   ? std::pair(200, QByteArray())
                   : std::pair(409, gone);
    if (what == u"add" && asked.value(u"text"_s).isString()) {
        const QString problem = m_host.addSharedEntry(asked.value(u"text"_s).toString(),
                                                      asked.value(u"anyway"_s).toBool());
        return problem.isEmpty() ? std::pair(200, QByteArray()) : std::pair(422, problem.toUtf8());
    }
    return {400, "The request is not understood."};
}

QJsonObject ShareServer::listJson() const {
    // Grouped as the printout groups them: by category as written, an entry without one under
    // the group before it, and what the shop does not sell under a heading of its own.
    QJsonArray groups;
    QJsonObject group;
    QJsonArray entries;
    QString heading;
    bool notSold = false;
    const auto close = [&] {
        if (!entries.isEmpty()) {
            group.insert(u"entries"_s, entries);
            groups.append(group);
        }
        entries = {};
    };
    for (int i = 0; i < m_list.count(); ++i) {
        const TodaysList::Row& row = m_list.at(i);
        const Entry entry(row.text);
        const bool rowNotSold = m_list.notSoldAt(i);
        if ((entry.hasCategory() && entry.category() != heading) || rowNotSold != notSold ||
            entries.isEmpty()) {
            close();
            heading = entry.hasCategory() ? entry.category() : heading;
            notSold = rowNotSold;
            group = {{u"heading"_s, heading}, {u"notSold"_s, notSold}};
        }
        entries.append(QJsonObject{{u"entry"_s, row.text},
                                   {u"item"_s, entry.item()},
                                   {u"count"_s, row.count},
                                   {u"checked"_s, row.checked}});
    }
    close();
    return {{u"version"_s, QString::number(m_version)},
            {u"shop"_s, m_list.shopName()},
            {u"groups"_s, groups}};
}
