#include "SendToPhoneWindow.h"

#include "Blanks.h"
#include "CommandRunner.h"
#include "DesktopShell.h"
#include "Dialogs.h"
#include "QrCodeView.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

SendToPhoneWindow::SendToPhoneWindow(const QString& text, const QDate& date, Dialogs& dialogs,
                                     DesktopShell& shell, QWidget* parent)
    : QDialog(parent)
    , m_text(text)
    , m_date(date)
    , m_dialogs(dialogs)
    , m_shell(shell)
    , m_codes(text)
    , m_partLabel(new QLabel(this))
    , m_view(new QrCodeView(this))
    , m_previous(button(u"PreviousButton"_s, u"&Previous"_s, this))
    , m_next(button(u"NextButton"_s, u"&Next"_s, this)) {
    setObjectName(u"SendToPhone"_s);
    setWindowTitle(u"Send to Phone"_s);
    m_partLabel->setObjectName(u"PartLabel"_s);
    m_partLabel->setAlignment(Qt::AlignCenter);
    m_view->setObjectName(u"QrCode"_s);
    m_view->setAccessibleName(u"QR code of Today's List"_s);
    auto* hint = new QLabel(u"Point your phone's camera at the code."_s, this);
    hint->setAlignment(Qt::AlignCenter);

    auto* pages = new QHBoxLayout;
    pages->addWidget(m_previous);
    pages->addWidget(m_partLabel, 1);
    pages->addWidget(m_next);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* mail = button(u"EmailButton"_s, u"&E-mail..."_s, this);
    QPushButton* copy = button(u"CopyButton"_s, u"C&opy"_s, this);
    QPushButton* close = button(u"CloseButton"_s, u"Close"_s, this);
    buttons->addButton(mail, QDialogButtonBox::ActionRole);
    buttons->addButton(copy, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages);
    layout->addWidget(m_view, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);

    connect(m_previous, &QPushButton::clicked, this, [this] { showPart(m_part - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPart(m_part + 1); });
    connect(mail, &QPushButton::clicked, this, &SendToPhoneWindow::sendByMail);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_text); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A list of one code needs no paging.
    for (QWidget* paging : {static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_next),
                            static_cast<QWidget*>(m_partLabel)})
        paging->setVisible(m_codes.count() > 1);
    showPart(0);
}

void SendToPhoneWindow::showPart(int part) {
    m_part = qBound(0, part, m_codes.count() - 1);
    m_view->setCode(m_codes.code(m_part));
    m_partLabel->setText(u"%1 of %2"_s.arg(m_part + 1).arg(m_codes.count()));
    m_previous->setEnabled(m_part > 0);
    m_next->setEnabled(m_part + 1 < m_codes.count());
}

QString SendToPhoneWindow::mailAddress(const QString& text, const QDate& date) {
    QString body = text;
    body.replace(u'\n', u"\r\n"_s);
    const QString subject = u"Today's List "_s + date.toString(u"MM-dd-yyyy"_s);
    return u"mailto:?subject="_s + QString::fromLatin1(QUrl::toPercentEncoding(subject)) +
           (body.isEmpty() ? QString()
                           : u"&body="_s + QString::fromLatin1(QUrl::toPercentEncoding(body)));
}

void SendToPhoneWindow::sendByMail() {
    CommandRunner::run(m_dialogs, [this] {
        const std::optional<QString> mailer = m_shell.findUrlProgram(u"mailto"_s);
        if (!mailer) {
            m_dialogs.messageBox(u"No e-mail program is set up on this computer."_s,
                                 Dialogs::Exclamation, u"E-mail Program Not Found"_s);
            return;
        }
        const QString link = mailAddress(m_text, m_date);
        const bool tooLong = link.size() > LongestMailLink;
        if (!m_shell.startProgram(Blanks::trimmed(*mailer),
                                  tooLong ? mailAddress({}, m_date) : link)) {
            m_dialogs.messageBox(u"The e-mail program could not be started."_s,
                                 Dialogs::Exclamation, u"E-mail Failed"_s);
        } else if (tooLong) {
            QGuiApplication::clipboard()->setText(m_text);
            m_dialogs.messageBox(u"The list is too long to hand to the e-mail program, so it is on "
                                 "the clipboard: paste it into the new message."_s,
                                 Dialogs::Information, u"E-mail"_s);
        }
    });
}
