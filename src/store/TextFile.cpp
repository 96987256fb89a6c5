#include "TextFile.h"

#include "FileError.h"

#include <QFile>
#include <QSaveFile>

QByteArray TextFile::read(const QDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    const bool exists = file.exists();
    if (!file.open(exists ? QIODevice::ReadOnly : QIODevice::WriteOnly))
        throw FileError(name, file.errorString());
    const QByteArray bytes = exists ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        throw FileError(name, file.errorString());
    return bytes;
}

void TextFile::write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QSaveFile file(dir.filePath(name));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(name, file.errorString());
}

void TextFile::remove(const QDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    if (file.exists() && !file.remove())
        throw FileError(name, file.errorString());
}
