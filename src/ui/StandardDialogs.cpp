#include "StandardDialogs.h"

#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QTimer>

namespace {

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    Dialogs::Answer answer;
};

QList<ButtonAnswer> buttonsOf(int style) {
    switch (style & 0xF) {
    case Dialogs::YesNoCancel:
        return {{QMessageBox::Yes, Dialogs::Yes},
                {QMessageBox::No, Dialogs::No},
                {QMessageBox::Cancel, Dialogs::Cancel}};
    case Dialogs::YesNo:
        return {{QMessageBox::Yes, Dialogs::Yes}, {QMessageBox::No, Dialogs::No}};
    default:
        return {{QMessageBox::Ok, Dialogs::Ok}};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case Dialogs::Critical:
        return QMessageBox::Critical;
    case Dialogs::Question:
        return QMessageBox::Question;
    case Dialogs::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void StandardDialogs::waitForTheScreen() {
    if (!m_waitWhileShown || !m_waitWhileShown->isVisible() || m_answeringSafely)
        return;
    // A signal that ends the program ends this wait too.
    QEventLoop wait;
    const QPointer<QWidget> window = m_waitWhileShown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &wait, [&] {
        if (!window || !window->isVisible())
            wait.quit();
    });
    poll.start(50);
    wait.exec();
}

int StandardDialogs::messageBox(const QString& text, int style, const QString& title) {
    waitForTheScreen();
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(iconOf(style), title, shown, QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    const QList<ButtonAnswer> buttons = buttonsOf(style);
    QMessageBox::StandardButtons all;
    for (const ButtonAnswer& b : buttons)
        all |= b.button;
    box.setStandardButtons(all);
    const qsizetype defaultIndex = qMin<qsizetype>((style & 0xF00) / 256, buttons.size() - 1);
    box.setDefaultButton(buttons.at(defaultIndex).button);
    // Closing the box counts as its last button: Cancel, No or OK.
    box.setEscapeButton(buttons.constLast().button);
    if (m_answeringSafely)
        return buttons.constLast().answer;
    // A box whose loop a signal ended was pressed by nobody, which counts as its last button.
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonAnswer& b : buttons)
        if (b.button == pressed)
            return b.answer;
    return buttons.constLast().answer;
}

QString StandardDialogs::inputText(const QString& prompt, const QString& title,
                                   const QString& defaultText, int maxLength) {
    waitForTheScreen();
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    // The prompt's label reads "&" as a mnemonic, since it names the text box.
    dialog.setLabelText(QString(prompt).replace(u'&', QLatin1String("&&")));
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* edit = dialog.findChild<QLineEdit*>(); edit && maxLength > 0)
        edit->setMaxLength(maxLength);
    dialog.setTextValue(defaultText);
    // Room for a whole Today's List entry: a category, the separator and an item.
    dialog.resize(qMax(dialog.sizeHint().width(), dialog.fontMetrics().averageCharWidth() * 50),
                  dialog.sizeHint().height());
    if (m_answeringSafely || dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}
