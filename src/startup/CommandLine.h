#pragma once

#include <QCommandLineParser>
#include <QString>

class QCoreApplication;

// The command line: --help and --version, answered on the terminal, and --data DIR.
class CommandLine final {
public:
    // Gives the application the name and version that --version and the about box show.
    static void describe(QCoreApplication& app);
    // Whether the arguments ask for --help or --version, which need no display.
    static bool asksForHelpOrVersion(int argc, char* argv[]);

    // Reads app's arguments; --help and --version print their answer and end the program here.
    explicit CommandLine(const QCoreApplication& app);

    // The folder --data names; empty when none was given.
    QString dataFolder() const;

private:
    QCommandLineParser m_parser;
};
