#include "EntryListFile.h"

#include "Blanks.h"
#include "FileError.h"
#include "Windows1252.h"

#include <QFile>
#include <QSaveFile>

EntryListFile::EntryListFile(const QDir& dir, const QString& fileName)
    : m_fileName(fileName)
    , m_path(dir.filePath(fileName)) {}

QStringList EntryListFile::read() const {
    QFile file(m_path);
    // ReadWrite creates the file when it is missing.
    if (!file.open(QIODevice::ReadWrite))
        throw FileError(m_fileName, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(m_fileName, file.errorString());
    return splitLines(bytes);
}

QStringList EntryListFile::splitLines(QByteArrayView bytes) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(Windows1252::decode(bytes.sliced(start, i - start)));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(Windows1252::decode(bytes.sliced(start)));
    return lines;
}

void EntryListFile::write(const QStringList& entries) const {
    QByteArray bytes;
    for (const QString& entry : entries) {
        const QString line = Blanks::trimmed(entry);
        if (line.isEmpty())
            continue;
        bytes += Windows1252::encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(m_fileName, file.errorString());
}

void EntryListFile::remove() const {
    QFile file(m_path);
    if (file.exists() && !file.remove())
        throw FileError(m_fileName, file.errorString());
}
