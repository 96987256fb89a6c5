#include "DataFolder.h"
#include "EndSignals.h"
#include "MainScreen.h"
#include "PrinterTarget.h"
#include "SplashForm.h"
#include "StandardDialogs.h"
#include "SystemShell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

void describe(QCoreApplication& app) {
    app.setApplicationName(u"Vittlo!"_s);
    app.setApplicationVersion(u"1.1"_s);
}

QCommandLineOption dataOption() {
    return QCommandLineOption(
        u"data"_s,
        u"Keep the lists in DIR (made if missing), for instance one catalogue "
        "for each shop."_s,
        u"DIR"_s);
}

void parse(QCommandLineParser& parser, const QCoreApplication& app) {
    parser.setApplicationDescription(u"Draws up your grocery list from your own catalogue of "
                                     "aisles and items."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(dataOption());
    parser.process(app);
}

// --help and --version answer on the terminal, with no display needed.
bool asksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        describe(app);
        QCommandLineParser parser;
        parse(parser, app); // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    describe(app);
    QGuiApplication::setDesktopFileName(u"example.brindlecove.Vittlo"_s);
    QCommandLineParser parser;
    parse(parser, app);

    StandardDialogs dialogs;
    // From the first box of the start on, a signal closes the box with its safe answer and ends
    // the program.
    EndSignals ending;
    QObject::connect(&ending, &EndSignals::received, [&dialogs] { dialogs.answerSafely(); });
    DataFolder folder(parser.value(dataOption()), QCoreApplication::applicationDirPath());
    // The folder locked by a living copy, or not to be made or locked: the user was told.
    if (!folder.open(dialogs))
        return ending.hasEnded() ? 0 : 1;
    // The lists are found by their bare names in the data folder.
    QDir::setCurrent(folder.dir().absolutePath());
    PrinterTarget printer(folder.dir().filePath(u"printout.pdf"_s));
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
