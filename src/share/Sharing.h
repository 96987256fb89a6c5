#pragma once

#include <QDir>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class Dialogs;
class ShareHost;
class ShareServer;
class ShareWindow;
class TodaysList;
class QTimer;
class QWidget;

// Sharing Today's List on the home network, from the user's start until Stop Sharing or the end
// of the program; never on at start-up. The port is kept in "sharing.port" so that a phone's page
// keeps its address from one start to the next where the port is free; the key is new each time.
class Sharing final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Sharing)

public:
    Sharing(const QDir& dir, const TodaysList& list, ShareHost& host, Dialogs& dialogs,
            QWidget* window);
    ~Sharing() override;

    // Starts sharing, unless it runs, and shows its window.
    void start();
    void stop();
    void showWindow();
    bool isSharing() const { return m_server != nullptr; }
    // Steady milliseconds for the rate and the phones: the system's, unless a test sets another.
    void setClock(const std::function<qint64()>& clock) { m_clock = clock; }
    // The address phones open: on the home network, else on this computer.
    QString address() const;

Q_SIGNALS:
    void sharingChanged(bool sharing);

private:
    quint16 keptPort() const;
    // Why the port could not be kept, or the empty string.
    QString keepPort(quint16 port) const;

    QDir m_dir;
    const TodaysList& m_list;
    ShareHost& m_host;
    Dialogs& m_dialogs;
    QWidget* m_parent;
    std::unique_ptr<ShareServer> m_server;
    QPointer<ShareWindow> m_window;
    QTimer* m_phoneTimer;
    std::function<qint64()> m_clock;
};
