// Turns a catalogue written in the import format into the "category.new" and "std_item.new" that
// an installation ships, through the program's own import.
#include "FileError.h"
#include "ImportFile.h"
#include "ListFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vittlo_starter CATALOGUE.txt OUTPUT-DIRECTORY\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QDir output(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir work;
    const QDir dir(work.path());
    try {
        if (!work.isValid() || !output.mkpath(QStringLiteral(".")) ||
            !QFile::copy(source, dir.filePath(QStringLiteral("import.txt"))))
            throw FileError(source, QStringLiteral("cannot be copied to work on"));
        if (const QString problem = ImportFile::importInto(dir); !problem.isEmpty())
            throw FileError(source, problem);
        const std::pair<QString, QString> shipped[] = {
            {ListFiles::Categories, ListFiles::CategoriesUpgrade},
            {ListFiles::Items, ListFiles::ItemsUpgrade}};
        for (const auto& [list, upgrade] : shipped) {
            QFile::remove(output.filePath(upgrade));
            if (!QFile::copy(dir.filePath(list), output.filePath(upgrade)))
                throw FileError(upgrade, QStringLiteral("cannot be written"));
        }
    } catch (const FileError& error) {
        std::fprintf(stderr, "vittlo_starter: %s\n", error.what());
        return 1;
    }
    return 0;
}
