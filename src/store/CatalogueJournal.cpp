#include "CatalogueJournal.h"

#include "CategoryRecord.h"
#include "FileError.h"
#include "ItemRecord.h"
#include "RecordFile.h"
#include "TextFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

const QString Journal = u"catalogue.jnl"_s;
constexpr char Heading[] = "vittlo catalogue journal 2";
// Written by version 1.1, without a check line.
constexpr char FirstHeading[] = "vittlo catalogue journal 1";
constexpr char Check[] = "check ";
// A journal names a few files in a few lines; anything larger is no journal of ours.
constexpr qint64 LargestJournal = 64 * 1024;

// The files a journal may name: the lists with their record sizes, and what may take their place.
struct ListFile {
    QByteArray name;
    qsizetype recordSize;
    QByteArray replacements[2];
};
const ListFile ListFilesJournaled[] = {
    {"category.lst", CategoryRecord::Size, {"category.tmp", "category.new"}},
    {"std_item.lst", ItemRecord::Size, {"std_item.tmp", "std_item.new"}},
};

const ListFile* listFile(QByteArrayView name) {
    for (const ListFile& list : ListFilesJournaled)
        if (list.name == name)
            return &list;
    return nullptr;
}

QByteArray checkLine(QByteArrayView journal) {
    return Check + QCryptographicHash::hash(journal, QCryptographicHash::Sha256).toHex() + '\n';
}

// A file of the folder itself: an ordinary file, not a link to one elsewhere.
bool isOwnFile(const QFileInfo& info) {
    return !info.isSymLink() && info.isFile();
}

// A length as the program writes it: decimal digits only, no sign, no blank.
std::optional<qint64> lengthOf(QByteArrayView word) {
    if (word.isEmpty() || word.size() > 18)
        return std::nullopt;
    for (const char c : word)
        if (c < '0' || c > '9')
            return std::nullopt;
    return word.toLongLong();
}

bool isHex(QByteArrayView word) {
    for (const char c : word)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return word.size() % 2 == 0;
}

struct Step {
    QString from; // a rename's file; empty for an append
    QString file;
    qint64 length = 0;
    QByteArray tail;
};

// The steps of the journal, every one checked against the folder; nothing when any part of it is
// not what this program writes.
std::optional<QList<Step>> stepsOf(const QDir& dir, QByteArrayView journal) {
    if (!journal.endsWith('\n'))
        return std::nullopt;
    QList<QByteArrayView> lines;
    for (qsizetype at = 0; at < journal.size();) {
        const qsizetype end = journal.indexOf('\n', at);
        lines.append(journal.sliced(at, end - at));
        at = end + 1;
    }
    const bool checked = lines.first() == Heading;
    if (checked) {
        // The check line covers every byte before it.
        const qsizetype covered = journal.size() - lines.last().size() - 1;
        if (lines.size() < 3 || journal.sliced(covered) != checkLine(journal.first(covered)))
            return std::nullopt;
        lines.removeLast();
    } else if (lines.first() != FirstHeading || lines.size() < 2) {
        return std::nullopt;
    }
    QList<Step> steps;
    QSet<QByteArray> named;
    for (const QByteArrayView line : lines.sliced(1)) {
        const QList<QByteArray> words = line.toByteArray().split(' ');
        const ListFile* list = listFile(words.value(words.value(0) == "rename" ? 2 : 1));
        if (!list || named.contains(list->name))
            return std::nullopt;
        named.insert(list->name);
        Step step;
        step.file = QString::fromLatin1(list->name);
        const QFileInfo info(dir.filePath(step.file));
        if (words.size() == 4 && words[0] == "append") {
            const std::optional<qint64> length = lengthOf(words[2]);
            // An append only grows a file, from a whole number of records; the tail it wrote
            // over is less than one. Without a check line nothing shows that the length is
            // undamaged. A list file may be a link to one, written through like todays.lst.
            if (!checked || !length || !info.isFile() || *length > info.size() ||
                *length % list->recordSize != 0 || !isHex(words[3]) ||
                words[3].size() / 2 >= list->recordSize)
                return std::nullopt;
            step.length = *length;
            step.tail = QByteArray::fromHex(words[3]);
        } else if (words.size() == 3 && words[0] == "rename" &&
                   (words[1] == list->replacements[0] || words[1] == list->replacements[1])) {
            step.from = QString::fromLatin1(words[1]);
            const QFileInfo from(dir.filePath(step.from));
            if ((from.exists() || from.isSymLink()) && !isOwnFile(from))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        // A journal either appends or replaces, never both.
        if (!steps.isEmpty() && steps.first().from.isEmpty() != step.from.isEmpty())
            return std::nullopt;
        steps.append(step);
    }
    return steps;
}

// The scratch files journals set aside name: they may hold the finished work of a command cut
// short, so they stay beside them. A set-aside journal is read as untrusted bytes, no more than a
// journal may hold; one that cannot be read so keeps every scratch file.
QList<QString> scratchNamedBySetAside(const QDir& dir) {
    QList<QString> named;
    const QStringList setAside =
        dir.entryList({Journal + u".unapplied*"_s}, QDir::Files | QDir::System | QDir::Hidden);
    for (const ListFile& list : ListFilesJournaled) {
        for (const QString& name : setAside) {
            const QFileInfo info(dir.filePath(name));
            QFile file(info.filePath());
            if (!info.isFile() || info.size() > LargestJournal || !file.open(QIODevice::ReadOnly) ||
                file.readAll().contains(list.replacements[0])) {
                named.append(QString::fromLatin1(list.replacements[0]));
                break;
            }
        }
    }
    return named;
}

// Puts a journal that is not understood where no start replays it, never over an earlier one.
QString setAside(const QDir& dir) {
    QString name = Journal + u".unapplied"_s;
    for (int n = 2; !QFile::rename(dir.filePath(Journal), dir.filePath(name)); ++n) {
        if (!dir.exists(name) || n > 1000)
            throw FileError(Journal, u"It could not be understood and could not be set aside."_s);
        name = Journal + u".unapplied."_s + QString::number(n);
    }
    RecordFile::syncFolderOf(dir.filePath(name));
    return name;
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
    const QFileInfo journal(dir.filePath(Journal));
    if (journal.exists() || journal.isSymLink()) {
        std::optional<QList<Step>> steps;
        if (isOwnFile(journal) && journal.size() <= LargestJournal)
            steps = stepsOf(dir, TextFile::read(dir, Journal));
        if (!steps) {
            const QString name = setAside(dir);
            QString kept;
            for (const QString& scratch : scratchNamedBySetAside(dir))
                if (dir.exists(scratch))
                    kept += u" "_s + scratch;
            throw FileError(
                Journal,
                u"It tells of a change to the catalogue, but could not be "
                "understood, so nothing of it was applied: category.lst and "
                "std_item.lst were left as they are. It was kept as %1 in %2."_s.arg(
                    name, QDir::toNativeSeparators(dir.path())) +
                    (kept.isEmpty() ? QString()
                                    : u" The files it names were kept beside it:"_s + kept + u'.'));
        }
        for (const Step& step : std::as_const(*steps)) {
            if (step.from.isEmpty()) {
                RecordFile file(dir.filePath(step.file), 1, RecordFile::Access::ReadWrite);
                file.truncate(step.length, step.tail);
                file.sync();
            } else if (dir.exists(step.from)) {
                rename(dir, step.from, step.file);
            }
        }
        RecordFile::syncFolderOf(dir.filePath(Journal));
        removeJournal(dir);
    }
    // A rewrite killed before its journal was written leaves its scratch file, which nothing
    // else would ever remove; one a set-aside journal names is the user's to look at.
    const QList<QString> kept = scratchNamedBySetAside(dir);
    for (const ListFile& list : ListFilesJournaled)
        if (const QString scratch = QString::fromLatin1(list.replacements[0]);
            !kept.contains(scratch))
            TextFile::remove(dir, scratch);
}

bool CatalogueJournal::pending(const QDir& dir) {
    const QFileInfo journal(dir.filePath(Journal));
    return journal.exists() || journal.isSymLink();
}

void CatalogueJournal::finishPending(const QDir& dir) {
    if (pending(dir))
        recover(dir);
}

void CatalogueJournal::writeJournal(const QDir& dir, const QByteArray& lines) {
    const QByteArray journal = QByteArray(Heading) + '\n' + lines;
    TextFile::write(dir, Journal, journal + checkLine(journal));
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
