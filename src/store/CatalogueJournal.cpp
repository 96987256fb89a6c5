#include "CatalogueJournal.h"

#include "FileError.h"
#include "RecordFile.h"
#include "TextFile.h"

#include <QFile>
#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

const QString Journal = u"catalogue.jnl"_s;
constexpr char Heading[] = "vittlo catalogue journal 1";

// A list file's name in a journal line: a bare name of the program's own, never a path.
bool isListName(const QByteArray& name) {
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\') && name != ".." &&
           name != ".";
}

} // namespace

CatalogueJournal::Appends::Appends(const QDir& dir,
                                   const QList<std::pair<QString, qsizetype>>& files)
    : m_dir(dir) {
    QByteArray lines;
    for (const auto& [name, recordSize] : files) {
        auto file = std::make_unique<RecordFile>(dir.filePath(name), recordSize,
                                                 RecordFile::Access::ReadWrite);
        const qint64 whole = file->count() * recordSize;
        QByteArray tail = file->tail();
        lines += "append " + name.toLatin1() + ' ' + QByteArray::number(whole) + ' ' +
                 tail.toHex() + '\n';
        m_files.push_back({std::move(file), whole, std::move(tail)});
    }
    writeJournal(dir, lines);
}

CatalogueJournal::Appends::~Appends() {
    if (m_committed)
        return;
    try {
        for (Open& open : m_files)
            open.file->truncate(open.length, open.tail);
        removeJournal(m_dir);
    } catch (const FileError&) {
        // The journal stays: the next start takes the appends back.
    }
}

void CatalogueJournal::Appends::commit() {
    for (Open& open : m_files)
        open.file->sync();
    removeJournal(m_dir);
    m_committed = true;
}

CatalogueJournal::Replaces::Replaces(const QDir& dir)
    : m_dir(dir) {}

CatalogueJournal::Replaces::~Replaces() {
    if (m_journaled)
        return;
    for (const QString& scratch : std::as_const(m_written))
        QFile::remove(m_dir.filePath(scratch));
}

void CatalogueJournal::Replaces::write(const QString& list, const QString& scratch,
                                       const QList<QByteArrayView>& records) {
    RecordFile::writeScratch(m_dir.filePath(scratch), records);
    m_written.append(scratch);
    m_renames.append({scratch, list});
}

void CatalogueJournal::Replaces::move(const QString& from, const QString& list) {
    m_renames.append({from, list});
}

void CatalogueJournal::Replaces::commit() {
    QByteArray lines;
    for (const auto& [from, to] : std::as_const(m_renames))
        lines += "rename " + from.toLatin1() + ' ' + to.toLatin1() + '\n';
    writeJournal(m_dir, lines);
    m_journaled = true;
    for (const auto& [from, to] : std::as_const(m_renames))
        rename(m_dir, from, to);
    RecordFile::syncFolderOf(m_dir.filePath(Journal));
    removeJournal(m_dir);
}

void CatalogueJournal::recover(const QDir& dir) {
    if (!dir.exists(Journal))
        return;
    const QList<QByteArray> lines = TextFile::read(dir, Journal).split('\n');
    // A journal is written whole or not at all; one without its heading is no journal of ours.
    if (lines.value(0) == Heading) {
        for (const QByteArray& line : lines.mid(1)) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 4 && words[0] == "append" && isListName(words[1])) {
                const QString name = QString::fromLatin1(words[1]);
                RecordFile file(dir.filePath(name), 1, RecordFile::Access::ReadWrite);
                file.truncate(words[2].toLongLong(), QByteArray::fromHex(words[3]));
                file.sync();
            } else if (words.size() == 3 && words[0] == "rename" && isListName(words[1]) &&
                       isListName(words[2]) && dir.exists(QString::fromLatin1(words[1]))) {
                rename(dir, QString::fromLatin1(words[1]), QString::fromLatin1(words[2]));
            }
        }
    }
    RecordFile::syncFolderOf(dir.filePath(Journal));
    removeJournal(dir);
}

void CatalogueJournal::writeJournal(const QDir& dir, const QByteArray& lines) {
    TextFile::write(dir, Journal, QByteArray(Heading) + '\n' + lines);
}

void CatalogueJournal::removeJournal(const QDir& dir) {
    TextFile::remove(dir, Journal);
}

void CatalogueJournal::rename(const QDir& dir, const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(dir.filePath(from).toStdU16String(), dir.filePath(to).toStdU16String(),
                            error);
    if (error)
        throw FileError(to, QString::fromStdString(error.message()));
}
