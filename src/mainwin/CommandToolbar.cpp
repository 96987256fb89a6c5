#include "CommandToolbar.h"

#include <QAction>
#include <QIcon>

using namespace Qt::StringLiterals;

// What a screen reader calls it; the object name stays the handle.
CommandToolbar::CommandToolbar(QWidget* parent)
    : QToolBar(u"Commands"_s, parent) {
    setObjectName(u"Toolbar1"_s);
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
}

void CommandToolbar::addCommand(const QString& name, const QString& caption, const QString& toolTip,
                                const QKeySequence& keys, const std::function<void()>& command) {
    QAction* action = addAction(QIcon(u":/icons/%1.png"_s.arg(name)), caption);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setToolTip(toolTip + u" ("_s + keys.toString(QKeySequence::NativeText) + u')');
    connect(action, &QAction::triggered, this, command);
}

void CommandToolbar::setButtonsEnabled(int first, int last, bool enabled) {
    const QList<QAction*> buttons = actions();
    for (int position = first; position <= last && position <= buttons.size(); ++position)
        buttons.at(position - 1)->setEnabled(enabled);
}
