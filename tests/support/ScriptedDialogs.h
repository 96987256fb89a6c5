#pragma once

#include "Dialogs.h"

#include <QList>
#include <QString>

// Answers message and input boxes from a script, and records every box shown. A box nobody
// scripted, or an answer left unused, fails the running test.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, Input } kind;
        QString text; // the message, or the input box's prompt
        QString title;
        int style = 0;       // message boxes
        QString defaultText; // input boxes
    };

    ~ScriptedDialogs() override;

    void answerMessage(int answer) { m_script.append({Shown::Message, answer, {}}); }
    void answerInput(const QString& text) { m_script.append({Shown::Input, 0, text}); }

    const QList<Shown>& shown() const { return m_shown; }
    // Fails the test unless box n was a message box with this text, title and style.
    void verifyMessage(qsizetype n, const QString& text, const QString& title, int style) const;
    // Fails the test unless box n was an input box with this prompt, title and default text.
    void verifyInput(qsizetype n, const QString& prompt, const QString& title,
                     const QString& defaultText = QString()) const;

    int MsgBox(const QString& text, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

private:
    struct Answer {
        Shown::Kind kind;
        int answer;
        QString text;
    };
    bool takeAnswer(Shown::Kind kind, const QString& text, Answer& answer);

    QList<Answer> m_script;
    QList<Shown> m_shown;
};
