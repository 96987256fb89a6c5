#include "Sharing.h"

#include "Dialogs.h"
#include "HomeNetwork.h"
#include "ShareServer.h"
#include "ShareWindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString PortFile = u"sharing.port"_s;

qint64 steadyNow() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    // Never 0, so that the first request is not taken for one long past.
    return clock.elapsed() + 1000000;
}

} // namespace

Sharing::Sharing(const QDir& dir, const TodaysList& list, ShareHost& host, Dialogs& dialogs,
                 QWidget* window)
    : QObject(window)
    , m_dir(dir)
    , m_list(list)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_parent(window)
    , m_phoneTimer(new QTimer(this))
    , m_clock(&steadyNow) {
    m_phoneTimer->setInterval(1000);
    connect(m_phoneTimer, &QTimer::timeout, this, [this] {
        if (m_window && m_server)
            m_window->showPhones(m_server->phones());
    });
}

Sharing::~Sharing() = default;

quint16 Sharing::keptPort() const {
    // Written by another program, it is a number of a port a user's program may take, or nothing.
    QFile file(m_dir.filePath(PortFile));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const uint port = file.read(16).trimmed().toUInt(&ok);
    return ok && port >= 1024 && port <= 65535 ? quint16(port) : 0;
}

QString Sharing::keepPort(quint16 port) const {
    if (port == keptPort())
        return {};
    QSaveFile file(m_dir.filePath(PortFile));
    if (file.open(QIODevice::WriteOnly) && file.write(QByteArray::number(port) + "\r\n") > 0 &&
        file.commit())
        return {};
    return u"The port could not be kept in %1 (%2), so the address may change next time."_s.arg(
        PortFile, file.errorString());
}

void Sharing::start() {
    if (!m_server) {
        auto server = std::make_unique<ShareServer>(m_list, m_host, m_clock);
        if (!server->start(keptPort())) {
            m_dialogs.messageBox(u"Today's List could not be shared: no port could be listened "
                                 "on.\n\n"_s +
                                     server->errorText(),
                                 Dialogs::OkOnly + Dialogs::Exclamation,
                                 u"Share on Home Network"_s);
            return;
        }
        m_server = std::move(server);
        const QString note = keepPort(m_server->port());
        m_window =
            new ShareWindow(m_server->homeAddresses().isEmpty() ? QString() : address(),
                            m_server->address(QHostAddress(QHostAddress::LocalHost)), m_parent);
        m_window->showNote(note);
        connect(m_window, &ShareWindow::stopRequested, this, &Sharing::stop);
        m_phoneTimer->start();
        Q_EMIT sharingChanged(true);
    }
    showWindow();
}

void Sharing::stop() {
    if (!m_server)
        return;
    m_phoneTimer->stop();
    delete m_window;
    m_server.reset();
    Q_EMIT sharingChanged(false);
}

void Sharing::showWindow() {
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QString Sharing::address() const {
    if (!m_server)
        return {};
    const QList<QHostAddress>& home = m_server->homeAddresses();
    return m_server->address(home.isEmpty() ? QHostAddress(QHostAddress::LocalHost) : home.first());
}
