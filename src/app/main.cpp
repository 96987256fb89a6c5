#include "EndSignals.h"
#include "FolderLock.h"
#include "MainScreen.h"
#include "PrinterTarget.h"
#include "SplashForm.h"
#include "StandardDialogs.h"
#include "SystemShell.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vittlo!"));

    // The program keeps its files beside itself and finds them by their bare names.
    const QDir dir(QCoreApplication::applicationDirPath());
    QDir::setCurrent(dir.absolutePath());

    StandardDialogs dialogs;
    FolderLock lock(dir);
    if (!lock.take(dialogs))
        return 0;
    PrinterTarget printer(dir.filePath(QStringLiteral("printout.pdf")));
    SystemShell shell;
    EndSignals ending;
    // The splash form stands in for the main window from the start until "Click Me".
    SplashForm splash;
    splash.show();
    MainScreen window(dir, dialogs, printer, shell);
    dialogs.setParent(&window);
    splash.showWhenUnloaded(window);
    return QApplication::exec();
}
