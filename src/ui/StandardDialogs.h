#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The dialogs seam over QMessageBox and QInputDialog.
class StandardDialogs final : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    // The program is being ended from outside: from now on every box gives its safe answer (its
    // last button: No, Cancel or OK; an empty text) without showing.
    void answerSafely() { m_answeringSafely = true; }
    // No box shows while this window (the splash form) is on the screen: a key meant for it
    // would answer the box unseen.
    void waitWhileShown(QWidget* window) { m_waitWhileShown = window; }

    int messageBox(const QString& text, int style, const QString& title) override;

protected:
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText,
                      int maxLength) override;

private:
    void waitForTheScreen();

    QPointer<QWidget> m_parent;
    QPointer<QWidget> m_waitWhileShown;
    bool m_answeringSafely = false;
};
