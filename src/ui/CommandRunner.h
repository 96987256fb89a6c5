#pragma once

#include <QString>
#include <functional>

class CommandError;
class Dialogs;

// The edge of every command: a file or printer error, or any other exception (memory running
// out among them), shows one message box and abandons the command, and the program goes on.
class CommandRunner final {
public:
    // Returns whether the command ran to its end.
    static bool run(Dialogs& dialogs, const std::function<void()>& command);
    // Shows the error's text in a box with its title.
    static void report(Dialogs& dialogs, const CommandError& error);
    // Without a printer the last document went to outputFile: tells the user so. Nothing when
    // outputFile is empty.
    static void reportPrintout(Dialogs& dialogs, const QString& outputFile);
};
