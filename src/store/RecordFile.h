#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>
#include <functional>

// A file of fixed-size records. Records count from 1; the bytes of an incomplete last record are
// not counted and stay in the file until the next append writes over them. The file is closed
// when the object goes.
class RecordFile final {
public:
    enum class Access { Read, ReadWrite };

    // Opens the file, creating it empty when missing. An existing file is opened for reading
    // only, unless the caller means to write it.
    RecordFile(const QString& path, qsizetype recordSize, Access access = Access::Read);
    Q_DISABLE_COPY_MOVE(RecordFile)

    qint64 count() const;
    // Hands every whole record to visit, in file order, a run of them at a time. The runs are
    // read into one reused buffer, so a run lasts only for its call.
    void forEachRun(const std::function<void(QByteArrayView records)>& visit);
    void write(qint64 n, QByteArrayView record);
    // Writes whole records in place, in one go, after the first "after" records.
    void writeAll(QByteArrayView records, qint64 after = 0);
    // Appends one record, over an incomplete last record, and waits until it is on disk.
    void append(QByteArrayView record);
    // Appends whole records in one write, over an incomplete last record.
    void appendAll(QByteArrayView records) { writeAll(records, count()); }
    // The bytes of an incomplete last record.
    QByteArray tail();
    // Cuts the file to its first bytes, then writes bytes after them.
    void truncate(qint64 size, QByteArrayView bytes = {});
    // Waits until what was written is on disk.
    void sync();

    // Replaces the list file with records, given in parts, in one step: they are written to the
    // scratch file, emptied first, flushed to disk and renamed over the list file, so there is
    // never a moment without the list file and a failure leaves it as it was. Where the folder
    // refuses the scratch file but the list file may be written, the list file is rewritten in
    // place.
    static void replace(const QString& listPath, const QString& scratchPath,
                        const QList<QByteArrayView>& records);
    // Writes the records to a scratch file from its start and waits until they are on disk; a
    // failure removes the scratch file.
    static void writeScratch(const QString& scratchPath, const QList<QByteArrayView>& records);
    // Waits until the folder's entries (a file renamed, made or removed) are on disk.
    static void syncFolderOf(const QString& path);

private:
    [[noreturn]] void fail() const;
    void writeAt(qint64 offset, QByteArrayView bytes);

    QFile m_file;
    qsizetype m_recordSize;
};
