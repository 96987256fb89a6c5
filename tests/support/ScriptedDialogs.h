#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

// Answers message and input boxes from a script, and records every box as one line:
// "Confirm YesNo Question default-No|Clear Today's List and Start Over ?" for a message box
// (title, buttons, icon and default button unless it is the first, text), "input Make
// changes|Modify item...|Milk" for an input box (title, prompt, default text).
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
    int messageBox(const QString& text, int style, const QString& title) override;

protected:
    // An answer longer than maxLength is cut, as the box's text field would.
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText,
                      int maxLength) override;

private:
    QString takeAnswer(bool input);
    // A message box's style in words: "YesNo Question default-No" for 292.
    static QString styleWords(int style);

    QStringList m_answers;
    QStringList m_boxes;
};
