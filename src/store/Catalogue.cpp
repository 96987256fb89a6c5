#include "Catalogue.h"

#include "Blanks.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "Windows1252.h"

#include <functional>
#include <optional>

namespace {

QByteArrayView trimmedBytes(QByteArrayView bytes) {
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

// The trimmed bytes a stored field must have to equal text once both are trimmed; nothing when
// no stored field can, because the code page cannot hold the text.
std::optional<QByteArray> trimmedKey(const QString& text) {
    const QString trimmed = Blanks::trimmed(text);
    QByteArray key = Windows1252::encode(trimmed);
    if (Windows1252::decode(key) != trimmed)
        return std::nullopt;
    return key;
}

// Rewrites a list file without the records that match, through its scratch file.
void removeRecords(const QString& path, const QString& scratchPath, qsizetype recordSize,
                   const std::function<bool(QByteArrayView)>& matches) {
    QByteArray kept;
    {
        RecordFile file(path, recordSize);
        const QByteArrayView bytes = file.records();
        kept.reserve(bytes.size());
        for (qsizetype at = 0; at < bytes.size(); at += recordSize) {
            const QByteArrayView record = bytes.sliced(at, recordSize);
            if (!matches(record))
                kept.append(record);
        }
    }
    RecordFile::replace(path, scratchPath, kept);
}

} // namespace

Catalogue::Catalogue(const QDir& dir)
    : m_dir(dir) {}

QStringList Catalogue::categories() const {
    RecordFile file(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size);
    const QByteArrayView bytes = file.records();
    QStringList names;
    names.reserve(bytes.size() / CategoryRecord::Size);
    for (qsizetype at = 0; at < bytes.size(); at += CategoryRecord::Size)
        names.append(Windows1252::decode(bytes.sliced(at, CategoryRecord::Size)));
    return names;
}

QStringList Catalogue::itemsOf(const QString& category) const {
    RecordFile file(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
    const QByteArray key = Windows1252::encode(category);
    // Only a text that is some stored field, byte for byte, can match one.
    if (key.size() != ItemRecord::FieldSize || Windows1252::decode(key) != category)
        return {};
    const QByteArrayView bytes = file.records();
    QStringList items;
    for (qsizetype at = 0; at < bytes.size(); at += ItemRecord::Size) {
        const QByteArrayView record = bytes.sliced(at, ItemRecord::Size);
        if (record.first(ItemRecord::FieldSize) == key)
            items.append(Windows1252::decode(record.last(ItemRecord::FieldSize)));
    }
    return items;
}

bool Catalogue::addCategory(const QString& name) const {
    RecordFile file(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size);
    const QString wanted = Blanks::trimmed(name).toUpper();
    const QByteArrayView bytes = file.records();
    for (qsizetype at = 0; at < bytes.size(); at += CategoryRecord::Size) {
        const QByteArrayView stored = bytes.sliced(at, CategoryRecord::Size);
        if (Blanks::trimmed(Windows1252::decode(stored)).toUpper() == wanted)
            return false;
    }
    file.append(CategoryRecord(name).bytes());
    return true;
}

void Catalogue::renameCategory(const QString& current, const QString& newName) const {
    const std::optional<QByteArray> key = trimmedKey(current);
    if (!key)
        return;
    {
        RecordFile file(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size);
        const QByteArrayView bytes = file.records();
        for (qsizetype at = 0; at < bytes.size(); at += CategoryRecord::Size) {
            if (trimmedBytes(bytes.sliced(at, CategoryRecord::Size)) == *key) {
                file.write(at / CategoryRecord::Size + 1, CategoryRecord(newName).bytes());
                break;
            }
        }
    }
    RecordFile file(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
    const QByteArrayView stored = file.records();
    const QByteArray field = CategoryRecord(newName).bytes();
    QByteArray renamed;
    for (qsizetype at = 0; at < stored.size(); at += ItemRecord::Size) {
        if (trimmedBytes(stored.sliced(at, ItemRecord::FieldSize)) == *key) {
            if (renamed.isEmpty())
                renamed = stored.toByteArray();
            renamed.replace(at, ItemRecord::FieldSize, field);
        }
    }
    if (!renamed.isEmpty())
        file.writeAll(renamed);
}

void Catalogue::removeCategory(const QString& name) const {
    const std::optional<QByteArray> key = trimmedKey(name);
    removeRecords(m_dir.filePath(ListFiles::Categories),
                  m_dir.filePath(ListFiles::CategoriesScratch), CategoryRecord::Size,
                  [&](QByteArrayView record) { return key && trimmedBytes(record) == *key; });
}

bool Catalogue::addItem(const QString& category, const QString& item) const {
    RecordFile file(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
    const ItemRecord added(category, item);
    const QByteArrayView bytes = file.records();
    for (qsizetype at = 0; at < bytes.size(); at += ItemRecord::Size)
        if (bytes.sliced(at, ItemRecord::Size) == added.bytes())
            return false;
    file.append(added.bytes());
    return true;
}

void Catalogue::removeItem(const QString& category, const QString& item) const {
    const std::optional<QByteArray> categoryKey = trimmedKey(category);
    const std::optional<QByteArray> itemKey = trimmedKey(item);
    removeRecords(m_dir.filePath(ListFiles::Items), m_dir.filePath(ListFiles::ItemsScratch),
                  ItemRecord::Size, [&](QByteArrayView record) {
                      return categoryKey && itemKey &&
                             trimmedBytes(record.first(ItemRecord::FieldSize)) == *categoryKey &&
                             trimmedBytes(record.last(ItemRecord::FieldSize)) == *itemKey;
                  });
}
