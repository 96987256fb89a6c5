#include "RecordFile.h"

#include "FileError.h"

#include <QFileInfo>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

QByteArrayView RecordFile::records() {
    const qint64 size = count() * m_recordSize;
    if (size == 0)
        return {};
    if (const uchar* mapped = m_file.map(0, size, QFileDevice::MapPrivateOption))
        return QByteArrayView(mapped, size);
    if (!m_file.seek(0))
        fail();
    m_copy = m_file.read(size);
    if (m_copy.size() != size)
        fail();
    return m_copy;
}

void RecordFile::write(qint64 n, QByteArrayView record) {
    Q_ASSERT(n >= 1 && record.size() == m_recordSize);
    writeAt((n - 1) * m_recordSize, record);
}

void RecordFile::writeAll(QByteArrayView records) {
    Q_ASSERT(records.size() % m_recordSize == 0);
    writeAt(0, records);
}

void RecordFile::writeAt(qint64 offset, QByteArrayView bytes) {
    if (!m_file.seek(offset) || m_file.write(bytes.data(), bytes.size()) != bytes.size() ||
        !m_file.flush())
        fail();
}

void RecordFile::replace(const QString& listPath, const QString& scratchPath,
                         QByteArrayView records) {
    QFile scratch(scratchPath);
    const auto scratchFailed = [&] {
        return FileError(QFileInfo(scratchPath).fileName(), scratch.errorString());
    };
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw scratchFailed();
    if (scratch.write(records.data(), records.size()) != records.size() || !scratch.flush())
        throw scratchFailed();
#ifdef Q_OS_UNIX
    // On disk before the rename, so a crash cannot leave an empty list file behind.
    ::fsync(scratch.handle());
#endif
    scratch.close();
    std::error_code error;
    std::filesystem::rename(scratchPath.toStdU16String(), listPath.toStdU16String(), error);
    if (error)
        throw FileError(QFileInfo(listPath).fileName(), QString::fromStdString(error.message()));
}

void RecordFile::fail() const {
    throw FileError(QFileInfo(m_file.fileName()).fileName(), m_file.errorString());
}
