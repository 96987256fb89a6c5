#include "ImportFile.h"

#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "Windows1252.h"

#include <QFile>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString CannotRead = u"Can't find file IMPORT.TXT - Please press F1 to run help, and review "
                           "the import procedure."_s;

// Appends records to a list file a run at a time, so that memory does not grow with the file.
class RecordAppender {
public:
    RecordAppender(const QString& path, qsizetype recordSize)
        : m_path(path)
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
        if (!m_file)
            m_file.emplace(m_path, m_recordSize, RecordFile::Access::ReadWrite);
        m_file->appendAll(m_buffer);
        m_buffer.truncate(0);
    }

private:
    static constexpr qsizetype RunSize = 1 << 20;

    QString m_path;
    qsizetype m_recordSize;
    QByteArray m_buffer;
    std::optional<RecordFile> m_file;
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

QString ImportFile::importInto(const QDir& dir) {
    QFile file(dir.filePath(u"import.txt"_s));
    if (!file.open(QIODevice::ReadOnly))
        return CannotRead;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CannotRead;
    RecordAppender categories(dir.filePath(ListFiles::Categories), CategoryRecord::Size);
    RecordAppender items(dir.filePath(ListFiles::Items), ItemRecord::Size);
    // The first field decides: an item ahead of any heading refuses the file before anything is
    // written, a heading lets the rest in.
    std::optional<int> itemFirst;
    bool headed = false;
    QByteArray category;
    forEachField(bytes, [&](QByteArrayView field, int line) {
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
    return {};
}
