#include "ShareWindow.h"

#include "QrCode.h"
#include "QrCodeView.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ShareWindow::ShareWindow(const QString& address, const QString& local, QWidget* parent)
    : QDialog(parent)
    , m_phones(label(u"PhoneCount"_s, QString(), this))
    , m_note(label(u"ShareNote"_s, QString(), this)) {
    setObjectName(u"ShareWindow"_s);
    setWindowTitle(u"Share on Home Network"_s);
    auto* layout = new QVBoxLayout(this);
    if (address.isEmpty()) {
        layout->addWidget(
            label(u"ShareAddress"_s, u"This computer is on no home network."_s, this));
    } else {
        layout->addWidget(label(u"ShareHint"_s,
                                u"Point a phone's camera at the code, or type the address. "
                                "Anyone on this network who has it can see and change Today's "
                                "List while it is shared."_s,
                                this));
        auto* code = new QrCodeView(this);
        code->setObjectName(u"ShareCode"_s);
        code->setAccessibleName(u"QR code of the address"_s);
        code->setCode(QrCode::encode(address.toUtf8()));
        layout->addWidget(code, 1);
        QLabel* shown = label(u"ShareAddress"_s, address, this);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        shown->setAccessibleName(u"Address"_s);
        shown->setWordWrap(false);
        QFont font = shown->font();
        font.setPointSizeF(font.pointSizeF() * 1.3);
        shown->setFont(font);
        layout->addWidget(shown);
    }
    QLabel* here = label(u"LocalAddress"_s, u"On this computer:\n"_s + local, this);
    here->setWordWrap(false);
    here->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(here);
    layout->addWidget(m_phones);
    layout->addWidget(m_note);
    m_note->hide();
    auto* buttons = new QDialogButtonBox(this);
    auto* stop = new QPushButton(u"&Stop Sharing"_s, this);
    stop->setObjectName(u"StopSharingButton"_s);
    stop->setAutoDefault(false);
    buttons->addButton(stop, QDialogButtonBox::DestructiveRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(u"CloseButton"_s);
    layout->addWidget(buttons);
    connect(stop, &QPushButton::clicked, this, &ShareWindow::stopRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPhones(0);
}

void ShareWindow::showPhones(int phones) {
    m_phones->setText(phones == 1 ? u"1 phone connected"_s : u"%1 phones connected"_s.arg(phones));
}

void ShareWindow::showNote(const QString& note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}
