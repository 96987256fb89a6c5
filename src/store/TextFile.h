#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// A whole text file of the data folder: "todays.lst", a recipe or a note.
class TextFile final {
public:
    // Larger files are refused rather than read: they cannot be the program's own.
    static constexpr qint64 LargestRead = qint64(256) * 1024 * 1024;

    // Every byte of the file. An existing file is opened for reading only; a missing one is
    // created empty. A file larger than largest is refused.
    static QByteArray read(const QDir& dir, const QString& name, qint64 largest = LargestRead);
    // Replaces the file in one step through a temporary file; where the folder refuses one but
    // the file may be written, the file is written in place.
    static void write(const QDir& dir, const QString& name, const QByteArray& bytes);
    // Deletes the file; a missing one is no error.
    static void remove(const QDir& dir, const QString& name);
    // Throws FileError when the open file is larger than largest.
    static void refuseTooLarge(const QFile& file, const QString& name,
                               qint64 largest = LargestRead);
};
