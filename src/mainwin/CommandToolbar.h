#pragma once

#include <QKeySequence>
#include <QString>
#include <QToolBar>
#include <functional>

// The toolbar: a button for each command, with its icon, caption, keys and a tool tip that names
// the keys. The buttons take no focus, so every command has keys.
class CommandToolbar final : public QToolBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandToolbar)

public:
    explicit CommandToolbar(QWidget* parent = nullptr);

    // name is the button's object name and names its icon.
    void addCommand(const QString& name, const QString& caption, const QString& toolTip,
                    const QKeySequence& keys, const std::function<void()>& command);
    // Buttons counted from 1, as they stand.
    void setButtonsEnabled(int first, int last, bool enabled);
};
