#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, the terminal closed, Ctrl+C) end the program
// in order: the event loop ends with status 0 without closing the windows, which save what was
// typed as they see the program go. A signal that comes while a box of the start-up is open
// closes it (received lets the boxes give their safe answers), and the program ends before its
// main loop would begin. The handler itself only writes a byte to a socket.
class EndSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EndSignals)

public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

    bool hasEnded() const { return m_received; }
    // Runs the main event loop, unless a signal came already; returns the program's exit status.
    int exec() const;

Q_SIGNALS:
    void received();

private:
    QSocketNotifier* m_notifier = nullptr;
    bool m_received = false;
};
