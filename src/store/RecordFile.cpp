#include "RecordFile.h"

#include "FileError.h"
#include "PlainFile.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 BufferSize = 1 << 20;

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

void syncFile(QFile& file) {
    if (!file.flush())
        throw FileError(nameOf(file.fileName()), file.errorString());
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        throw FileError(nameOf(file.fileName()), QString::fromLocal8Bit(std::strerror(errno)));
#endif
}

// Writes the parts over the file from its start and cuts it there, then waits until they are on
// disk.
void writeWhole(QFile& file, const QList<QByteArrayView>& parts) {
    qint64 size = 0;
    for (const QByteArrayView part : parts) {
        if (file.write(part.data(), part.size()) != part.size())
            throw FileError(nameOf(file.fileName()), file.errorString());
        size += part.size();
    }
    if (!file.resize(size))
        throw FileError(nameOf(file.fileName()), file.errorString());
    syncFile(file);
}

} // namespace

RecordFile::RecordFile(const QString& path, qsizetype recordSize, Access access)
    : m_file(path)
    , m_recordSize(recordSize) {
    PlainFile::refuseSpecial(path);
    const bool readOnly = access == Access::Read && m_file.exists();
    // Unbuffered, so that bytes a full disk refused are not tried again on the next call.
    if (!m_file.open((readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite) |
                     QIODevice::Unbuffered))
        fail();
}

qint64 RecordFile::count() const {
    return m_file.size() / m_recordSize;
}

void RecordFile::forEachRun(const std::function<void(QByteArrayView records)>& visit) {
    if (!m_file.seek(0))
        fail();
    QByteArray buffer(BufferSize / m_recordSize * m_recordSize, Qt::Uninitialized);
    qint64 left = count() * m_recordSize;
    while (left > 0) {
        const qint64 read = m_file.read(buffer.data(), qMin<qint64>(left, buffer.size()));
        if (read < 0)
            fail();
        // A file shortened meanwhile ends at its last whole record.
        const qint64 whole = read / m_recordSize * m_recordSize;
        if (whole == 0)
            break;
        // A short read that stops inside a record leaves that record for the next run.
        if (whole != read && !m_file.seek(m_file.pos() - (read - whole)))
            fail();
        visit(QByteArrayView(buffer.constData(), whole));
        left -= whole;
    }
}

void RecordFile::write(qint64 n, QByteArrayView record) {
    Q_ASSERT(n >= 1 && record.size() == m_recordSize);
    writeAt((n - 1) * m_recordSize, record);
}

void RecordFile::writeAll(QByteArrayView records, qint64 after) {
    Q_ASSERT(records.size() % m_recordSize == 0);
    writeAt(after * m_recordSize, records);
}

void RecordFile::append(QByteArrayView record) {
    write(count() + 1, record);
    sync();
}

QByteArray RecordFile::tail() {
    const qint64 whole = count() * m_recordSize;
    if (!m_file.seek(whole))
        fail();
    const QByteArray bytes = m_file.read(m_file.size() - whole);
    if (m_file.error() != QFileDevice::NoError)
        fail();
    return bytes;
}

void RecordFile::truncate(qint64 size, QByteArrayView bytes) {
    if (!m_file.resize(size))
        fail();
    if (!bytes.isEmpty())
        writeAt(size, bytes);
}

void RecordFile::sync() {
    syncFile(m_file);
}

void RecordFile::writeAt(qint64 offset, QByteArrayView bytes) {
    if (!m_file.seek(offset) || m_file.write(bytes.data(), bytes.size()) != bytes.size() ||
        !m_file.flush())
        fail();
}

void RecordFile::replace(const QString& listPath, const QString& scratchPath,
                         const QList<QByteArrayView>& records) {
    if (!QFileInfo(QFileInfo(scratchPath).absolutePath()).isWritable()) {
        // The folder refuses the scratch file, but the list file itself may be writable.
        QFile list(listPath);
        if (list.open(QIODevice::ReadWrite))
            return writeWhole(list, records);
    }
    writeScratch(scratchPath, records);
    std::error_code error;
    std::filesystem::rename(scratchPath.toStdU16String(), listPath.toStdU16String(), error);
    if (error) {
        QFile::remove(scratchPath);
        throw FileError(nameOf(listPath), QString::fromStdString(error.message()));
    }
    syncFolderOf(listPath);
}

void RecordFile::writeScratch(const QString& scratchPath, const QList<QByteArrayView>& records) {
    PlainFile::refuseSpecial(scratchPath);
    QFile scratch(scratchPath);
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw FileError(nameOf(scratchPath), scratch.errorString());
    try {
        writeWhole(scratch, records);
    } catch (const FileError&) {
        // A scratch file left behind would keep a full disk full.
        scratch.close();
        QFile::remove(scratchPath);
        throw;
    }
}

void RecordFile::syncFolderOf(const QString& path) {
#ifdef Q_OS_UNIX
    // Best effort: the change itself is done, and a folder that cannot be flushed is no reason to
    // say it failed.
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#else
    Q_UNUSED(path);
#endif
}

void RecordFile::fail() const {
    throw FileError(nameOf(m_file.fileName()), m_file.errorString());
}
