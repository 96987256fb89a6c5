#include "Catalogue.h"

#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "Windows1252.h"

Catalogue::Catalogue(const QDir& dir)
    : m_dir(dir) {}

QStringList Catalogue::categories() const {
    RecordFile file(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size);
    const QByteArray bytes = file.readAll();
    QStringList names;
    names.reserve(bytes.size() / CategoryRecord::Size);
    for (qsizetype at = 0; at < bytes.size(); at += CategoryRecord::Size)
        names.append(Windows1252::decode(QByteArrayView(bytes).sliced(at, CategoryRecord::Size)));
    return names;
}

QStringList Catalogue::itemsOf(const QString& category) const {
    RecordFile file(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
    const QByteArray key = Windows1252::encode(category);
    // Only a text that is some stored field, byte for byte, can match one.
    if (key.size() != ItemRecord::FieldSize || Windows1252::decode(key) != category)
        return {};
    const QByteArray bytes = file.readAll();
    QStringList items;
    for (qsizetype at = 0; at < bytes.size(); at += ItemRecord::Size) {
        const QByteArrayView record = QByteArrayView(bytes).sliced(at, ItemRecord::Size);
        if (record.first(ItemRecord::FieldSize) == key)
            items.append(Windows1252::decode(record.last(ItemRecord::FieldSize)));
    }
    return items;
}
