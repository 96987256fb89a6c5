#pragma once

#include "PhoneCodes.h"

#include <QDate>
#include <QDialog>
#include <QString>

class DesktopShell;
class Dialogs;
class QLabel;
class QPushButton;
class QrCodeView;

// Takes Today's List to a phone: its text as QR codes to point the phone's camera at, one part
// at a time with Previous and Next, or in a new e-mail of the desktop's mail program, or copied.
class SendToPhoneWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SendToPhoneWindow)

public:
    // text is the list as Ctrl+C copies it; date names it in the e-mail's subject.
    SendToPhoneWindow(const QString& text, const QDate& date, Dialogs& dialogs, DesktopShell& shell,
                      QWidget* parent = nullptr);

    // Mail programs and desktops cut longer mailto: links; a longer list goes by the clipboard.
    static constexpr qsizetype LongestMailLink = 8000;

    // The mailto: address of a new message with the list: subject "Today's List" and the date,
    // the text as its body with CR LF line breaks; no body for no text.
    static QString mailAddress(const QString& text, const QDate& date);

private:
    void showPart(int part);
    void sendByMail();

    QString m_text;
    QDate m_date;
    Dialogs& m_dialogs;
    DesktopShell& m_shell;
    PhoneCodes m_codes;
    int m_part = 0;
    QLabel* m_partLabel;
    QrCodeView* m_view;
    QPushButton* m_previous;
    QPushButton* m_next;
};
