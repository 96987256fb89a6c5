#pragma once

#include <QDialog>

class QLabel;
class QrCodeView;

// The address phones open the shared list at, as a QR code and as text to type, how many phones
// are connected, and Stop Sharing. Closing the window leaves the list shared.
class ShareWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShareWindow)

public:
    // address is empty when the computer is on no home network; local is this computer's own.
    ShareWindow(const QString& address, const QString& local, QWidget* parent = nullptr);

    void showPhones(int phones);
    // A note under the addresses, such as a port that could not be kept.
    void showNote(const QString& note);

Q_SIGNALS:
    void stopRequested();

private:
    QLabel* m_phones;
    QLabel* m_note;
};
