#include "MainScreen.h"
#include "PrinterTarget.h"
#include "StandardDialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vittlo!"));

    // The program keeps its files beside itself and finds them by their bare names.
    const QDir dir(QCoreApplication::applicationDirPath());
    QDir::setCurrent(dir.absolutePath());

    StandardDialogs dialogs;
    PrinterTarget printer(dir.filePath(QStringLiteral("printout.pdf")));
    MainScreen window(dir, dialogs, printer);
    dialogs.setParent(&window);
    window.show();
    return QApplication::exec();
}
