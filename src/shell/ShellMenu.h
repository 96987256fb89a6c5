#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class DesktopShell;
class Dialogs;
class HelpWindow;
class QAction;
class QWidget;

// The commands beside the list work: the help, the about box, the tool tips switch and the
// maker's home page. The main window only connects its menu items to them.
class ShellMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShellMenu)

public:
    static const QString RightsNotice;
    static const QString HomePage;

    ShellMenu(Dialogs& dialogs, DesktopShell& shell, QWidget& window);
    ~ShellMenu() override;

    void showHelp();
    void showAbout();
    // The switch was checked and is now not: every control and button of the window loses its
    // tool tip for the rest of the run, and the switch greys itself out.
    void switchOffToolTips(QAction& toolTips);
    void visitWebsite();

private:
    Dialogs& m_dialogs;
    DesktopShell& m_shell;
    QWidget& m_window;
    QPointer<HelpWindow> m_help;
};
