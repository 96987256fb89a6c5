#include "EntryListFile.h"

#include "Blanks.h"
#include "TextFile.h"
#include "Windows1252.h"

EntryListFile::EntryListFile(const QDir& dir, const QString& fileName)
    : m_dir(dir)
    , m_fileName(fileName) {}

QStringList EntryListFile::read(qint64 largest) const {
    return splitLines(TextFile::read(m_dir, m_fileName, largest));
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
    qsizetype size = 0;
    for (const QString& entry : entries)
        size += entry.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString& entry : entries) {
        const QStringView line = Blanks::trimmedView(entry);
        if (line.isEmpty())
            continue;
        Windows1252::append(bytes, line);
        bytes += "\r\n";
    }
    TextFile::write(m_dir, m_fileName, bytes);
}

void EntryListFile::remove() const {
    TextFile::remove(m_dir, m_fileName);
}
