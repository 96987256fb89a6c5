#include "CommandLine.h"

#include <QCoreApplication>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

QCommandLineOption dataOption() {
    return QCommandLineOption(
        u"data"_s,
        u"Keep the lists in DIR (made if missing), for instance one catalogue "
        "for each shop."_s,
        u"DIR"_s);
}

} // namespace

void CommandLine::describe(QCoreApplication& app) {
    app.setApplicationName(u"Vittlo!"_s);
    app.setApplicationVersion(QStringLiteral(VITTLO_VERSION));
}

bool CommandLine::asksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

CommandLine::CommandLine(const QCoreApplication& app) {
    m_parser.setApplicationDescription(u"Draws up your grocery list from your own catalogue of "
                                       "aisles and items."_s);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(dataOption());
    m_parser.process(app);
}

QString CommandLine::dataFolder() const {
    return m_parser.value(dataOption());
}
