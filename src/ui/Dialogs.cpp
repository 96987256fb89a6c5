#include "Dialogs.h"

#include "Windows1252.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString Dialogs::askText(const QString& prompt, const QString& title, const QString& defaultText,
                         int maxLength) {
    return oneLine(inputText(prompt, title, defaultText, maxLength));
}

QString Dialogs::oneLine(QString text) {
    // A pasted line break would split the entry in two when its file is read again.
    static const QRegularExpression lineBreak(u"\\r\\n|\\r|\\n"_s);
    return text.replace(lineBreak, u" "_s);
}

void Dialogs::refuse(const QString& message) {
    messageBox(message, Exclamation + DefaultButton2, u"Nothing to do!"_s);
}

bool Dialogs::confirm(const QString& question, int style) {
    return messageBox(question, style, u"Confirm"_s) == Yes;
}

bool Dialogs::confirmStorable(const QString& text, const QString& what) {
    return Windows1252::canEncode(text) || confirm(unstorableQuestion(what));
}

QString Dialogs::unstorableQuestion(const QString& what) {
    return u"Some characters of this %1 cannot be stored and will be saved as \"?\". Save "
           "anyway?"_s.arg(what);
}
