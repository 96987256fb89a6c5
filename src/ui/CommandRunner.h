#pragma once

#include <functional>

class Dialogs;
class FileError;
class PrintTarget;

// The edge of every command: a file or printer error, or any other exception (memory running
// out among them), shows one message box and abandons the command, and the program goes on.
class CommandRunner final {
public:
    // Returns whether the command ran to its end.
    static bool run(Dialogs& dialogs, const std::function<void()>& command);
    // Shows the file and the system's message.
    static void report(Dialogs& dialogs, const FileError& error);
    // Without a printer the last document went to a file: tells the user which.
    static void reportPrintout(Dialogs& dialogs, const PrintTarget& target);
};
