#include "CommandRunner.h"

#include "CommandError.h"
#include "Dialogs.h"

#include <QDir>
#include <new>

using namespace Qt::StringLiterals;

bool CommandRunner::run(Dialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const CommandError& error) {
        report(dialogs, error);
    } catch (const std::bad_alloc&) {
        dialogs.messageBox(u"There is not enough memory to finish this command."_s,
                           Dialogs::OkOnly + Dialogs::Critical, u"Out of Memory"_s);
    } catch (const std::exception& error) {
        dialogs.messageBox(QString::fromLocal8Bit(error.what()),
                           Dialogs::OkOnly + Dialogs::Critical, u"Error"_s);
    }
    return false;
}

void CommandRunner::report(Dialogs& dialogs, const CommandError& error) {
    dialogs.messageBox(error.text(), Dialogs::OkOnly + Dialogs::Critical, error.title());
}

void CommandRunner::reportPrintout(Dialogs& dialogs, const QString& outputFile) {
    if (outputFile.isEmpty())
        return;
    dialogs.messageBox(u"No printer is installed, so the printout was saved as\n"_s +
                           QDir::toNativeSeparators(outputFile),
                       Dialogs::OkOnly + Dialogs::Information, u"Printed to a file"_s);
}
