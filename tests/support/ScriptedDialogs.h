#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

// Answers message and input boxes from a script, and records every box as one line:
// "292 Confirm|Clear Today's List and Start Over ?" for a message box (style, title, text),
// "input Make changes|Modify item...|Milk" for an input box (title, prompt, default text).
// Answers are "Yes", "No", "Cancel" or "OK", and "=text" for an input box. A box nobody scripted,
// or an answer left unused, fails the running test.
class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(const QStringList& answers = {})
        : m_answers(answers) {}
    ~ScriptedDialogs() override;

    // Fails the test unless the boxes shown match expected, where "*" in an expected line stands
    // for any text (a system's error message).
    void verifyBoxes(const QStringList& expected) const;

    int MsgBox(const QString& text, int style, const QString& title) override;

protected:
    QString inputText(const QString& prompt, const QString& title,
                      const QString& defaultText) override;

private:
    QString takeAnswer(bool input);

    QStringList m_answers;
    QStringList m_boxes;
};
