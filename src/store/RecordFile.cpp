#include "RecordFile.h"

#include "FileError.h"

#include <QFileInfo>

RecordFile::RecordFile(const QString& path, qsizetype recordSize)
    : m_file(path)
    , m_recordSize(recordSize) {
    if (!m_file.open(QIODevice::ReadWrite))
        fail();
}

RecordFile::~RecordFile() = default;

qint64 RecordFile::count() const {
    return m_file.size() / m_recordSize;
}

QByteArray RecordFile::read(qint64 n) {
    Q_ASSERT(n >= 1 && n <= count());
    seekRecord(n);
    QByteArray record = m_file.read(m_recordSize);
    if (record.size() != m_recordSize)
        fail();
    return record;
}

QByteArray RecordFile::readAll() {
    const qint64 size = count() * m_recordSize;
    if (!m_file.seek(0))
        fail();
    QByteArray bytes = m_file.read(size);
    if (bytes.size() != size)
        fail();
    return bytes;
}

void RecordFile::write(qint64 n, QByteArrayView record) {
    Q_ASSERT(n >= 1 && record.size() == m_recordSize);
    seekRecord(n);
    if (m_file.write(record.data(), record.size()) != record.size() || !m_file.flush())
        fail();
}

void RecordFile::seekRecord(qint64 n) {
    if (!m_file.seek((n - 1) * m_recordSize))
        fail();
}

void RecordFile::fail() const {
    throw FileError(QFileInfo(m_file.fileName()).fileName(), m_file.errorString());
}
