#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// A file of fixed-size records, opened for record access and created empty when missing. Records
// count from 1; the bytes of an incomplete last record are not counted and stay in the file until
// the next append writes over them. The file is closed when the object goes.
class RecordFile final {
public:
    RecordFile(const QString& path, qsizetype recordSize);
    ~RecordFile();
    Q_DISABLE_COPY_MOVE(RecordFile)

    qint64 count() const;
    // Every whole record, mapped rather than copied where the system allows. The view lasts while
    // the file stays open and is not written.
    QByteArrayView records();
    void write(qint64 n, QByteArrayView record);
    // Writes over the whole records from the first on, in place, in one go.
    void writeAll(QByteArrayView records);
    void append(QByteArrayView record) { write(count() + 1, record); }

    // Replaces the list file with records in one step: they are written to the scratch file,
    // emptied first, which is then renamed over the list file. There is never a moment without
    // the list file, and a failure leaves it as it was.
    static void replace(const QString& listPath, const QString& scratchPath,
                        QByteArrayView records);

private:
    [[noreturn]] void fail() const;
    void writeAt(qint64 offset, QByteArrayView bytes);

    QFile m_file;
    qsizetype m_recordSize;
    QByteArray m_copy; // the records, where the file cannot be mapped
};
