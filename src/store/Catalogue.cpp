#include "Catalogue.h"

#include "Blanks.h"
#include "CatalogueJournal.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "Windows1252.h"

#include <functional>
#include <optional>

namespace {

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
    RecordFile(path, recordSize).forEachRun([&](QByteArrayView records) {
        for (qsizetype at = 0; at < records.size(); at += recordSize) {
            const QByteArrayView record = records.sliced(at, recordSize);
            if (!matches(record))
                kept.append(record);
        }
    });
    RecordFile::replace(path, scratchPath, {kept});
}

// Every record of the file, each as text.
QStringList decodedRecords(const QString& path, qsizetype recordSize) {
    QStringList texts;
    RecordFile(path, recordSize).forEachRun([&](QByteArrayView records) {
        for (qsizetype at = 0; at < records.size(); at += recordSize)
            texts.append(Windows1252::decode(records.sliced(at, recordSize)));
    });
    return texts;
}

// Upper case character by character, so that no letter becomes two ("ß" stays "ß").
QString upperCase(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

} // namespace

Catalogue::Catalogue(const QDir& dir)
    : m_dir(dir) {}

QStringList Catalogue::categories() const {
    return decodedRecords(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size);
}

QStringList Catalogue::itemsOf(const QString& category) const {
    RecordFile file(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
    const QByteArray key = Windows1252::encode(category);
    // Only a text that is some stored field, byte for byte, can match one.
    if (key.size() != ItemRecord::FieldSize || Windows1252::decode(key) != category)
        return {};
    QStringList items;
    file.forEachRun([&](QByteArrayView records) {
        for (qsizetype at = 0; at < records.size(); at += ItemRecord::Size) {
            const QByteArrayView record = records.sliced(at, ItemRecord::Size);
            if (record.first(ItemRecord::FieldSize) == key)
                items.append(Windows1252::decode(record.last(ItemRecord::FieldSize)));
        }
    });
    return items;
}

bool Catalogue::addCategory(const QString& name) const {
    CatalogueJournal::finishPending(m_dir);
    const QString path = m_dir.filePath(ListFiles::Categories);
    const QString wanted = upperCase(Blanks::trimmed(name));
    for (const QString& stored : decodedRecords(path, CategoryRecord::Size))
        if (upperCase(Blanks::trimmed(stored)) == wanted)
            return false;
    RecordFile(path, CategoryRecord::Size, RecordFile::Access::ReadWrite)
        .append(CategoryRecord(name).bytes());
    return true;
}

void Catalogue::renameCategory(const QString& current, const QString& newName) const {
    CatalogueJournal::finishPending(m_dir);
    const std::optional<QByteArray> key = trimmedKey(current);
    if (!key)
        return;
    const QByteArray field = CategoryRecord(newName).bytes();
    // Each file as it is to be, its incomplete last record kept, and whether it changes.
    const auto renamed = [&](const QString& path, qsizetype recordSize, bool firstOnly) {
        QByteArray bytes;
        bool changed = false;
        RecordFile file(path, recordSize);
        bytes.reserve(file.count() * recordSize);
        file.forEachRun([&](QByteArrayView records) {
            for (qsizetype at = 0; at < records.size(); at += recordSize) {
                const QByteArrayView record = records.sliced(at, recordSize);
                const bool moves = (!firstOnly || !changed) &&
                                   Blanks::trimmed(record.first(CategoryRecord::Size)) == *key;
                bytes.append(moves ? QByteArrayView(field) : record.first(CategoryRecord::Size));
                bytes.append(record.sliced(CategoryRecord::Size));
                changed = changed || moves;
            }
        });
        bytes.append(file.tail());
        return std::pair(bytes, changed);
    };
    const auto [categories, categoryChanged] =
        renamed(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size, true);
    const auto [items, itemsChanged] =
        renamed(m_dir.filePath(ListFiles::Items), ItemRecord::Size, false);
    // Both files are written beside the lists first, then take their places in one step.
    CatalogueJournal::Replaces replaces(m_dir);
    if (categoryChanged)
        replaces.write(ListFiles::Categories, ListFiles::CategoriesScratch, {categories});
    if (itemsChanged)
        replaces.write(ListFiles::Items, ListFiles::ItemsScratch, {items});
    if (categoryChanged || itemsChanged)
        replaces.commit();
}

void Catalogue::removeCategory(const QString& name) const {
    CatalogueJournal::finishPending(m_dir);
    const std::optional<QByteArray> key = trimmedKey(name);
    removeRecords(m_dir.filePath(ListFiles::Categories),
                  m_dir.filePath(ListFiles::CategoriesScratch), CategoryRecord::Size,
                  [&](QByteArrayView record) { return key && Blanks::trimmed(record) == *key; });
}

bool Catalogue::addItem(const QString& category, const QString& item) const {
    CatalogueJournal::finishPending(m_dir);
    const QString path = m_dir.filePath(ListFiles::Items);
    const ItemRecord added(category, item);
    bool held = false;
    RecordFile(path, ItemRecord::Size).forEachRun([&](QByteArrayView records) {
        for (qsizetype at = 0; at < records.size() && !held; at += ItemRecord::Size)
            held = records.sliced(at, ItemRecord::Size) == added.bytes();
    });
    if (held)
        return false;
    RecordFile(path, ItemRecord::Size, RecordFile::Access::ReadWrite).append(added.bytes());
    return true;
}

void Catalogue::removeItem(const QString& category, const QString& item) const {
    CatalogueJournal::finishPending(m_dir);
    const std::optional<QByteArray> categoryKey = trimmedKey(category);
    const std::optional<QByteArray> itemKey = trimmedKey(item);
    removeRecords(m_dir.filePath(ListFiles::Items), m_dir.filePath(ListFiles::ItemsScratch),
                  ItemRecord::Size, [&](QByteArrayView record) {
                      return categoryKey && itemKey &&
                             Blanks::trimmed(record.first(ItemRecord::FieldSize)) == *categoryKey &&
                             Blanks::trimmed(record.last(ItemRecord::FieldSize)) == *itemKey;
                  });
}
