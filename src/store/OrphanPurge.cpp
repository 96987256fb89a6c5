#include "OrphanPurge.h"

#include "Blanks.h"
#include "CatalogueJournal.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"

#include <QHash>

void OrphanPurge::purge(const QDir& dir) {
    CatalogueJournal::finishPending(dir);
    // One group of kept records for each category name, in the order the names first appear.
    QList<QByteArray> names;
    QHash<QByteArrayView, qsizetype> groupOf;
    RecordFile(dir.filePath(ListFiles::Categories), CategoryRecord::Size)
        .forEachRun([&](QByteArrayView records) {
            for (qsizetype at = 0; at < records.size(); at += CategoryRecord::Size) {
                const QByteArrayView name =
                    Blanks::trimmed(records.sliced(at, CategoryRecord::Size));
                if (!groupOf.contains(name)) {
                    // The key views the name's own copy, which stays where it is.
                    names.append(name.toByteArray());
                    groupOf.insert(names.constLast(), groupOf.size());
                }
            }
        });
    QList<QByteArray> groups(groupOf.size());
    const QString items = dir.filePath(ListFiles::Items);
    RecordFile(items, ItemRecord::Size).forEachRun([&](QByteArrayView records) {
        for (qsizetype at = 0; at < records.size(); at += ItemRecord::Size) {
            const QByteArrayView record = records.sliced(at, ItemRecord::Size);
            const auto group =
                groupOf.constFind(Blanks::trimmed(record.first(ItemRecord::FieldSize)));
            if (group != groupOf.cend())
                groups[group.value()].append(record);
        }
    });
    RecordFile::replace(items, dir.filePath(ListFiles::ItemsScratch),
                        {groups.cbegin(), groups.cend()});
}
