#pragma once

#include <QByteArrayView>
#include <QDir>
#include <QStringList>

// "todays.lst": one Today's List entry a line, each ended by CR LF.
class TodaysListFile final {
public:
    explicit TodaysListFile(const QDir& dir);

    // Every line exactly as it stands, creating the file empty when missing. A line ends at CR,
    // CR LF or a lone LF; a last line without terminator counts too.
    QStringList read() const;
    // Replaces the file in one step: each entry trimmed of blanks, empty ones left out.
    void write(const QStringList& entries) const;
    // Deletes the file; a missing one is no error.
    void remove() const;

    static QStringList splitLines(QByteArrayView bytes);

private:
    QString m_path;
};
