#include "EndSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Ending[] = {SIGTERM, SIGHUP, SIGINT};
int sockets[2] = {-1, -1};

extern "C" void onEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(sockets[0], &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject* parent)
    : QObject(parent) {
    // Closed in every program started from here; a handler never waits on a full socket.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0 ||
        ::fcntl(sockets[0], F_SETFL, O_NONBLOCK) != 0) {
        qWarning("No socket pair for the end signals; they end the program at once.");
        return;
    }
    m_notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto read = ::read(sockets[1], &byte, 1);
        m_received = true;
        Q_EMIT received();
        // Not quit(): that closes the windows first, and closing asks questions nobody is there
        // to answer.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Ending)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals() {
    if (!m_notifier)
        return;
    for (const int signal : Ending)
        ::signal(signal, SIG_DFL);
    ::close(sockets[0]);
    ::close(sockets[1]);
    sockets[0] = sockets[1] = -1;
}

#else

EndSignals::EndSignals(QObject* parent)
    : QObject(parent) {}

EndSignals::~EndSignals() = default;

#endif

int EndSignals::exec() const {
    // A signal before the loop began ended only a box's own loop; the loop would begin afresh.
    return m_received ? 0 : QCoreApplication::exec();
}
