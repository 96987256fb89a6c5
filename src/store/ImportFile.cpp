#include "ImportFile.h"

#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "Windows1252.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString Heading = u"[!]"_s;

const QString CannotRead = u"Can't find file IMPORT.TXT - Please press F1 to run help, and review "
                           "the import procedure."_s;

// The fields of one line, which holds no line break.
void addFields(QStringView line, int number, QList<ImportFile::Field>& fields) {
    qsizetype at = 0;
    for (;;) {
        while (at < line.size() && (line.at(at) == u' ' || line.at(at) == u'\t'))
            ++at;
        QString text;
        if (at < line.size() && line.at(at) == u'"') {
            const qsizetype close = line.indexOf(u'"', at + 1);
            const qsizetype end = close < 0 ? line.size() : close;
            text = line.sliced(at + 1, end - at - 1).toString();
            at = qMin(end + 1, line.size());
        }
        const qsizetype comma = line.indexOf(u',', at);
        text += line.sliced(at, (comma < 0 ? line.size() : comma) - at);
        fields.append({text, number});
        if (comma < 0)
            return;
        at = comma + 1;
    }
}

} // namespace

QList<ImportFile::Field> ImportFile::fields(QByteArrayView bytes) {
    const QString text = Windows1252::decode(bytes);
    QList<Field> fields;
    int number = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        addFields(QStringView(text).sliced(start, end - start), ++number, fields);
        start = end + (text.sliced(end).startsWith(u"\r\n") ? 2 : 1);
    }
    return fields;
}

QString ImportFile::importInto(const QDir& dir) {
    QFile file(dir.filePath(u"import.txt"_s));
    if (!file.open(QIODevice::ReadOnly))
        return CannotRead;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CannotRead;
    QByteArray categories;
    QByteArray items;
    bool headed = false;
    QString category;
    for (const Field& field : fields(bytes)) {
        if (field.text.startsWith(Heading)) {
            category = field.text.mid(Heading.size());
            categories += CategoryRecord(category).bytes();
            headed = true;
        } else if (!headed) {
            return u"Line %1 of IMPORT.TXT holds an item before the first [!]Category heading. "
                   "Nothing was imported."_s.arg(field.line);
        } else {
            items += ItemRecord(category, field.text).bytes();
        }
    }
    RecordFile(dir.filePath(ListFiles::Categories), CategoryRecord::Size,
               RecordFile::Access::ReadWrite)
        .appendAll(categories);
    RecordFile(dir.filePath(ListFiles::Items), ItemRecord::Size, RecordFile::Access::ReadWrite)
        .appendAll(items);
    return {};
}
