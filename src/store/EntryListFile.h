#pragma once

#include "TextFile.h"

#include <QByteArrayView>
#include <QDir>
#include <QString>
#include <QStringList>

// A text file of list entries, one a line, each ended by CR LF: "todays.lst" and the recipe files.
class EntryListFile final {
public:
    EntryListFile(const QDir& dir, const QString& fileName);

    // Every line exactly as it stands, creating the file empty when missing. A line ends at CR,
    // CR LF or a lone LF; a last line without terminator counts too.
    QStringList read(qint64 largest = TextFile::LargestRead) const;
    // Replaces the file in one step: each entry trimmed of blanks, empty ones left out.
    void write(const QStringList& entries) const;
    // Deletes the file; a missing one is no error.
    void remove() const;

private:
    static QStringList splitLines(QByteArrayView bytes);

    QDir m_dir;
    QString m_fileName;
};
