#pragma once

#include <QString>

// Every message box and input box the program shows goes through here, so that tests can answer
// them. Styles and answers use the classic message box values.
class Dialogs {
public:
    // Buttons, icon and default button, added together into a style.
    enum Style : int {
        OkOnly = 0,
        YesNoCancel = 3,
        YesNo = 4,
        Critical = 16,
        Question = 32,
        Exclamation = 48,
        Information = 64,
        DefaultButton1 = 0,
        DefaultButton2 = 256,
        DefaultButton3 = 512,
    };
    enum Answer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Dialogs() = default;

    virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
    // The text typed, or the empty string when the box was cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
};
