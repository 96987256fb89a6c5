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

    // Hands each field to visit as the file's bytes, with its line; the bytes last for the call.
    static void forEachField(QByteArrayView bytes,
                             const std::function<void(QByteArrayView field, int line)>& visit);
    static QList<Field> fields(QByteArrayView bytes);
    // Appends the file's categories and items to the catalogue, in file order and without
    // looking for duplicates. Returns why nothing was imported, or the empty string when the
    // file was imported; a list file that cannot be written throws FileError, and the records
    // written before it stay.
    static QString importInto(const QDir& dir);
};
