#include "ImportFile.h"

#include "CatalogueJournal.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "PlainFile.h"
#include "RecordFile.h"
#include "TextFile.h"
#include "Windows1252.h"

#include <QFile>
#include <QStringDecoder>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString CannotRead = u"Can't find file IMPORT.TXT - Please press F1 to run help, and review "
                           "the import procedure."_s;

// Appends records to one of the list files a run at a time, so that memory does not grow with the
// file.
class RecordAppender {
public:
    RecordAppender(std::optional<CatalogueJournal::Appends>& appends, const QDir& dir, int file,
                   qsizetype recordSize)
        : m_appends(appends)
        , m_dir(dir)
        , m_file(file)
        , m_recordSize(recordSize) {
        m_buffer.reserve(RunSize + recordSize);
    }

    // Adds a field: the bytes cut or filled with blanks to 30.
    void addField(QByteArrayView bytes) {
        const qsizetype size = qMin(bytes.size(), CategoryRecord::Size);
        m_buffer.append(bytes.first(size));
        m_buffer.append(CategoryRecord::Size - size, ' ');
        if (m_buffer.size() >= RunSize && m_buffer.size() % m_recordSize == 0)
            flush();
    }
    void flush() {
        if (m_buffer.isEmpty())
            return;
        // Both list files are opened, and the journal written, before the first record.
        if (!m_appends)
            m_appends.emplace(m_dir, QList<std::pair<QString, qsizetype>>{
                                         {ListFiles::Categories, CategoryRecord::Size},
                                         {ListFiles::Items, ItemRecord::Size}});
        m_appends->file(m_file).appendAll(m_buffer);
        m_buffer.truncate(0);
    }

private:
    static constexpr qsizetype RunSize = 1 << 20;

    std::optional<CatalogueJournal::Appends>& m_appends;
    QDir m_dir;
    int m_file;
    qsizetype m_recordSize;
    QByteArray m_buffer;
};

} // namespace

void ImportFile::forEachField(QByteArrayView bytes,
                              const std::function<void(QByteArrayView field, int line)>& visit) {
    QByteArray joined;
    int number = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        ++number;
        for (qsizetype at = 0;;) {
            while (at < line.size() && (line.at(at) == ' ' || line.at(at) == '\t'))
                ++at;
            std::optional<QByteArrayView> quoted;
            if (at < line.size() && line.at(at) == '"') {
                const qsizetype close = line.indexOf('"', at + 1);
                const qsizetype quoteEnd = close < 0 ? line.size() : close;
                quoted = line.sliced(at + 1, quoteEnd - at - 1);
                at = qMin(quoteEnd + 1, line.size());
            }
            const qsizetype comma = line.indexOf(',', at);
            const QByteArrayView rest = line.sliced(at, (comma < 0 ? line.size() : comma) - at);
            if (quoted && !rest.isEmpty()) {
                joined = quoted->toByteArray();
                joined.append(rest);
                visit(joined, number);
            } else {
                visit(quoted ? *quoted : rest, number);
            }
            if (comma < 0)
                break;
            at = comma + 1;
        }
        start =
            end +
            (end + 1 < bytes.size() && bytes.at(end) == '\r' && bytes.at(end + 1) == '\n' ? 2 : 1);
    }
}

QList<ImportFile::Field> ImportFile::fields(QByteArrayView bytes) {
    QList<Field> fields;
    forEachField(bytes, [&](QByteArrayView field, int line) {
        fields.append({Windows1252::decode(field), line});
    });
    return fields;
}

ImportFile::Text ImportFile::decode(QByteArray bytes) {
    const bool marked = bytes.startsWith("\xef\xbb\xbf");
    bool multiByte = false;
    for (const char c : bytes)
        if ((multiByte = static_cast<unsigned char>(c) >= 0x80))
            break;
    if (!marked && !multiByte)
        return {bytes, false, {}};
    // The decoder drops the byte-order mark itself.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    // Unmarked bytes that are not UTF-8 after all are Windows-1252; in a marked file, bytes that
    // are not UTF-8 cannot be stored.
    if (utf8.hasError() && !marked)
        return {bytes, false, {}};
    return {Windows1252::encode(text), !Windows1252::canEncode(text), {}};
}

QString ImportFile::whereLookedFor(const QDir& dir) {
    return u"\r\n\r\nIMPORT.TXT is looked for in: "_s +
           QDir::toNativeSeparators(dir.absolutePath());
}

ImportFile::Text ImportFile::read(const QDir& dir) {
    // The messages name the file IMPORT.TXT, so a file named so in any case is the one; where
    // several are, "import.txt" itself wins.
    QString name = u"import.txt"_s;
    if (!dir.exists(name)) {
        QStringList named;
        for (const QString& found : dir.entryList(QDir::Files | QDir::Hidden))
            if (found.compare(name, Qt::CaseInsensitive) == 0)
                named.append(found);
        if (named.size() > 1)
            return {{},
                    false,
                    u"Several files could be IMPORT.TXT: %1. Please keep the one to import and "
                    "rename the others."_s.arg(named.join(u", "_s))};
        if (named.size() == 1)
            name = named.first();
    }
    PlainFile::refuseSpecial(dir.filePath(name));
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {{}, false, CannotRead + whereLookedFor(dir)};
    TextFile::refuseTooLarge(file, name);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, false, CannotRead + whereLookedFor(dir)};
    return decode(std::move(bytes));
}

QString ImportFile::importInto(const QDir& dir, QByteArrayView text) {
    CatalogueJournal::finishPending(dir);
    std::optional<CatalogueJournal::Appends> appends;
    RecordAppender categories(appends, dir, 0, CategoryRecord::Size);
    RecordAppender items(appends, dir, 1, ItemRecord::Size);
    // The first field decides: an item ahead of any heading refuses the file before anything is
    // written, a heading lets the rest in.
    std::optional<int> itemFirst;
    bool headed = false;
    QByteArray category;
    forEachField(text, [&](QByteArrayView field, int line) {
        if (itemFirst)
            return;
        if (field.startsWith("[!]")) {
            category = field.sliced(3).toByteArray();
            categories.addField(category);
            headed = true;
        } else if (!headed) {
            itemFirst = line;
        } else {
            items.addField(category);
            items.addField(field);
        }
    });
    if (itemFirst)
        return u"Line %1 of IMPORT.TXT holds an item before the first [!]Category heading. "
               "Nothing was imported."_s.arg(*itemFirst);
    categories.flush();
    items.flush();
    if (appends)
        appends->commit();
    return {};
}

QString ImportFile::importInto(const QDir& dir) {
    const Text text = read(dir);
    return text.problem.isEmpty() ? importInto(dir, text.bytes) : text.problem;
}
