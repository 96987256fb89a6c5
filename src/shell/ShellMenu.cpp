#include "ShellMenu.h"

#include "Blanks.h"
#include "CommandRunner.h"
#include "DesktopShell.h"
#include "Dialogs.h"
#include "FileError.h"
#include "HelpWindow.h"
#include "TextFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

using namespace Qt::StringLiterals;

const QString ShellMenu::RightsNotice = u"Copyright Brindlecove. All rights reserved."_s;
const QString ShellMenu::HomePage = u"https://www.brindlecove.example/"_s;

ShellMenu::ShellMenu(Dialogs& dialogs, DesktopShell& shell, QWidget& window)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_shell(shell)
    , m_window(window) {}

ShellMenu::~ShellMenu() = default;

void ShellMenu::showHelp() {
    if (!QFile::exists(QLatin1String(HelpWindow::Page))) {
        m_dialogs.messageBox(u"The help page is missing from this copy of the program."_s,
                             Dialogs::OkOnly + Dialogs::Exclamation, u"Vittlo! Help"_s);
        return;
    }
    if (!m_help)
        m_help = new HelpWindow(&m_window);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void ShellMenu::showAbout() {
    m_dialogs.messageBox(u"Version "_s + QStringLiteral(VITTLO_VERSION) + u"\r\n"_s + RightsNotice,
                         Dialogs::Exclamation + Dialogs::DefaultButton2, u"Vittlo!"_s);
}

void ShellMenu::switchOffToolTips(QAction& toolTips) {
    if (toolTips.isChecked())
        return;
    for (QWidget* widget : m_window.findChildren<QWidget*>())
        widget->setToolTip(QString());
    for (QAction* action : m_window.findChildren<QAction*>()) {
        // A button takes its action's tool tip again, its text, whenever the action changes.
        connect(action, &QAction::changed, this, [action] {
            for (QObject* shown : action->associatedObjects())
                if (auto* widget = qobject_cast<QWidget*>(shown))
                    widget->setToolTip(QString());
        });
        action->setToolTip(QString());
    }
    toolTips.setEnabled(false);
}

void ShellMenu::visitWebsite() {
    if (m_dialogs.messageBox(u"Please make sure your internet connection is active!\r\nContinue?"_s,
                             Dialogs::YesNo + Dialogs::Exclamation,
                             u"Run default web browser"_s) != Dialogs::Yes)
        return;
    // The desktop is asked which program opens a web page it is shown. The page goes into a
    // folder made for this one launch, which only this user can enter, so that nothing another
    // user left in the shared temporary folder (a link above all) is written through; the folder
    // goes with everything in it when the command ends, whatever happened.
    CommandRunner::run(m_dialogs, [&] {
        const QTemporaryDir folder(QDir::temp().filePath(u"vittlo-XXXXXX"_s));
        if (!folder.isValid())
            throw FileError(QDir::toNativeSeparators(QDir::tempPath()), folder.errorString());
        const QDir scratch(folder.path());
        TextFile::write(scratch, u"junk.HTM"_s, "\"<HTML> <\\HTML>\"\r\n");
        const std::optional<QString> browser =
            m_shell.findOpeningProgram(scratch.filePath(u"junk.HTM"_s));
        if (!browser)
            m_dialogs.messageBox(u"Could not find your Browser"_s, Dialogs::Exclamation,
                                 u"Browser Not Found"_s);
        else if (!m_shell.startProgram(Blanks::trimmed(*browser), HomePage))
            m_dialogs.messageBox(u"Web Page not Opened"_s, Dialogs::Exclamation, u"URL Failed"_s);
    });
}
