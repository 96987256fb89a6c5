#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

// A whole text file of the program's directory: "todays.lst", a recipe or a note.
class TextFile final {
public:
    // Every byte of the file. An existing file is opened for reading only; a missing one is
    // created empty.
    static QByteArray read(const QDir& dir, const QString& name);
    // Replaces the file in one step through a temporary file; where the folder refuses one but
    // the file may be written, the file is written in place.
    static void write(const QDir& dir, const QString& name, const QByteArray& bytes);
    // Deletes the file; a missing one is no error.
    static void remove(const QDir& dir, const QString& name);
};
