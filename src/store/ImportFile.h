#pragma once

#include <QByteArrayView>
#include <QDir>
#include <QList>
#include <QString>
#include <functional>

// "import.txt": categories and their items in bulk, for the catalogue. The file is read as
// fields: a field ends at a comma or at the end of a line, blanks and tabs at its start are
// skipped, a field that begins with a double quote runs to the next one on its line (the quotes
// dropped, what follows the closing quote up to the next comma appended) and an empty line is one
// empty field. A field beginning "[!]" heads a category named by the rest of it; every other
// field is an item of the category headed last.
class ImportFile final {
public:
    struct Field {
        QString text;
        int line = 0; // counting from 1
    };
    // The file read and made ready to import: its text as the catalogue stores it.
    struct Text {
        QByteArray bytes;   // Windows-1252
        bool lossy = false; // some characters of a UTF-8 file are stored as '?'
        QString problem;    // why it cannot be imported, or empty
    };

    // Hands each field to visit as the file's bytes, with its line; the bytes last for the call.
    static void forEachField(QByteArrayView bytes,
                             const std::function<void(QByteArrayView field, int line)>& visit);
    static QList<Field> fields(QByteArrayView bytes);
    // The file's text in the code page of the catalogue. A file that starts with a UTF-8
    // byte-order mark, or whose bytes are valid UTF-8 holding at least one character of several
    // bytes, is UTF-8; any other is Windows-1252 already.
    static Text decode(QByteArray bytes);
    // Reads "import.txt" of the folder; a file that cannot be read gives a problem.
    static Text read(const QDir& dir);
    // What the messages add to say where the file is looked for: an installed copy's folder is a
    // hidden one.
    static QString whereLookedFor(const QDir& dir);
    // Appends the text's categories and items to the catalogue, in file order and without
    // looking for duplicates, all of them or none. Returns why nothing was imported, or the
    // empty string; a list file that cannot be written throws FileError and leaves both list
    // files as they were.
    static QString importInto(const QDir& dir, QByteArrayView text);
    // Reads and imports the folder's "import.txt", characters the catalogue cannot hold as '?'.
    static QString importInto(const QDir& dir);
};
