#include "CommandRunner.h"

#include "Dialogs.h"
#include "FileError.h"
#include "PrintError.h"
#include "PrintTarget.h"

#include <QDir>
#include <new>

using namespace Qt::StringLiterals;

bool CommandRunner::run(Dialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const FileError& error) {
        report(dialogs, error);
    } catch (const PrintError& error) {
        dialogs.MsgBox(error.message(), Dialogs::OkOnly + Dialogs::Critical, u"Print Error"_s);
    } catch (const std::bad_alloc&) {
        dialogs.MsgBox(u"There is not enough memory to finish this command."_s,
                       Dialogs::OkOnly + Dialogs::Critical, u"Out of Memory"_s);
    } catch (const std::exception& error) {
        dialogs.MsgBox(QString::fromLocal8Bit(error.what()), Dialogs::OkOnly + Dialogs::Critical,
                       u"Error"_s);
    }
    return false;
}

void CommandRunner::report(Dialogs& dialogs, const FileError& error) {
    dialogs.MsgBox(error.fileName() + u"\n\n"_s + error.message(),
                   Dialogs::OkOnly + Dialogs::Critical, u"File Error"_s);
}

void CommandRunner::reportPrintout(Dialogs& dialogs, const PrintTarget& target) {
    if (target.outputFile().isEmpty())
        return;
    dialogs.MsgBox(u"No printer is installed, so the printout was saved as\n"_s +
                       QDir::toNativeSeparators(target.outputFile()),
                   Dialogs::OkOnly + Dialogs::Information, u"Printed to a file"_s);
}
