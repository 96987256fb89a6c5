#pragma once

#include <QString>

// Every message box and input box the program shows goes through here, so that tests can answer
// them. Styles and answers use the classic message box values. Texts are shown as they are, never
// as markup.
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

    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // The text typed, on one line (each line break becomes a blank), or the empty string when the
    // box was cancelled. A maxLength above 0 is the most characters the box takes.
    QString askText(const QString& prompt, const QString& title, const QString& defaultText,
                    int maxLength = 0);

    // The "Nothing to do!" refusal, with its exclamation mark.
    void refuse(const QString& message);
    // A question titled "Confirm", Yes and No; true when the answer was Yes.
    bool confirm(const QString& question, int style = YesNo + Question + DefaultButton2);
    // True when every character of text can be stored, or the user agrees to "?" in place of
    // those that cannot; what names the text: "name", "entry", "note".
    bool confirmStorable(const QString& text, const QString& what);
    // The question confirmStorable asks.
    static QString unstorableQuestion(const QString& what);
    // The text on one line, as askText gives it.
    static QString oneLine(QString text);

protected:
    // The text as typed or pasted.
    virtual QString inputText(const QString& prompt, const QString& title,
                              const QString& defaultText, int maxLength) = 0;
};
