#pragma once

#include <QString>

// The program reads and writes its data only in ordinary files: opening a FIFO or a device
// could wait for ever, and writing one sends the bytes elsewhere.
class PlainFile final {
public:
    // Throws FileError, naming the file, when something other than an ordinary file stands at
    // the path (a link is followed); a missing file is no error.
    static void refuseSpecial(const QString& path);
};
