#include "CommandLine.h"
#include "DataFolder.h"
#include "EndSignals.h"
#include "ListFiles.h"
#include "MainScreen.h"
#include "PrinterTarget.h"
#include "SplashForm.h"
#include "StandardDialogs.h"
#include "SystemShell.h"

#include <QApplication>
#include <QDir>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    // --help and --version answer on the terminal, with no display needed.
    if (CommandLine::asksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        CommandLine::describe(app);
        const CommandLine commandLine(app); // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    CommandLine::describe(app);
    QGuiApplication::setDesktopFileName(u"example.brindlecove.Vittlo"_s);
    const CommandLine commandLine(app);

    StandardDialogs dialogs;
    // From the first box of the start on, a signal closes the box with its safe answer and ends
    // the program.
    EndSignals ending;
    QObject::connect(&ending, &EndSignals::received, [&dialogs] { dialogs.answerSafely(); });
    DataFolder folder(commandLine.dataFolder(), QCoreApplication::applicationDirPath());
    // The folder locked by a living copy, or not to be made or locked: the user was told.
    if (!folder.open(dialogs))
        return ending.hasEnded() ? 0 : 1;
    // The lists are found by their bare names in the data folder.
    QDir::setCurrent(folder.dir().absolutePath());
    PrinterTarget printer(folder.dir().filePath(ListFiles::Printout));
    SystemShell shell;
    // The splash form stands in for the main window from the start until "Click Me".
    SplashForm splash;
    splash.show();
    dialogs.waitWhileShown(&splash);
    MainScreen window(folder.dir(), dialogs, printer, shell);
    dialogs.setParent(&window);
    splash.showWhenUnloaded(window);
    return ending.exec();
}
