#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The dialogs seam over QMessageBox and QInputDialog.
class StandardDialogs final : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }

    int MsgBox(const QString& text, int style, const QString& title) override;

protected:
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText,
                      int maxLength) override;

private:
    QPointer<QWidget> m_parent;
};
