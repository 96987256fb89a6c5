#include "TextFile.h"

#include "FileError.h"
#include "PlainFile.h"
#include "RecordFile.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QByteArray TextFile::read(const QDir& dir, const QString& name, qint64 largest) {
    PlainFile::refuseSpecial(dir.filePath(name));
    QFile file(dir.filePath(name));
    const bool exists = file.exists();
    if (!file.open(exists ? QIODevice::ReadOnly : QIODevice::WriteOnly))
        throw FileError(name, file.errorString());
    refuseTooLarge(file, name, largest);
    const QByteArray bytes = exists ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        throw FileError(name, file.errorString());
    return bytes;
}

void TextFile::write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    PlainFile::refuseSpecial(dir.filePath(name));
    QSaveFile file(dir.filePath(name));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(name, file.errorString());
    RecordFile::syncFolderOf(dir.filePath(name));
}

void TextFile::refuseTooLarge(const QFile& file, const QString& name, qint64 largest) {
    if (file.size() > largest)
        throw FileError(name, u"The file is larger than %1 MB, too large to read."_s.arg(
                                  largest / (1024 * 1024)));
}

void TextFile::remove(const QDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    if (file.exists() && !file.remove())
        throw FileError(name, file.errorString());
    RecordFile::syncFolderOf(dir.filePath(name));
}
