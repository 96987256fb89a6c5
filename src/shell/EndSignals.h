#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, the terminal closed, Ctrl+C) end the program
// in order: the event loop ends with status 0 without closing the windows, which save what was
// typed as they see the program go. The handler itself only writes a byte to a socket.
class EndSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EndSignals)

public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

private:
    QSocketNotifier* m_notifier = nullptr;
};
