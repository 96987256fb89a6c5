#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

// Answers message and input boxes from a script and records every box as one line:
// "Confirm YesNo Question default-No|Clear Today's List and Start Over ?" for a message box
// (title, buttons, icon and default button unless it is the first, text), "input Make
// changes|Modify item...|Milk" for an input box (title, prompt, default text).
// The script holds each box expected, in order and separated by "; ", with its answer after
// " => ": "Yes", "No", "Cancel" or "OK", or "=text" typed into an input box and accepted; "*"
// in a box stands for any text (a system's error message). A box the script does not hold, or
// one it holds but never shown, fails the running test when the dialogs are done with.
class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(const QString& script = {});
    ~ScriptedDialogs() override;

    int messageBox(const QString& text, int style, const QString& title) override;

protected:
    // An answer longer than maxLength is cut, as the box's text field would.
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText,
                      int maxLength) override;

private:
    QString answer(const QString& box, bool input);
    // A message box's style in words: "YesNo Question default-No" for 292.
    static QString styleWords(int style);

    QStringList m_expected;
    QStringList m_answers;
    QStringList m_boxes;
};
