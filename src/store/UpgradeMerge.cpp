#include "UpgradeMerge.h"

#include "CatalogueJournal.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "RecordSet.h"
#include "TextFile.h"

#include <QFileInfo>

UpgradeMerge::UpgradeMerge(const QDir& dir)
    : m_dir(dir) {}

bool UpgradeMerge::prepare() const {
    CatalogueJournal::finishPending(m_dir);
    // Only the lengths in bytes count, whole records or not; a missing file is empty.
    const bool users = QFileInfo(m_dir.filePath(ListFiles::Items)).size() > 0;
    const bool shipped = QFileInfo(m_dir.filePath(ListFiles::ItemsUpgrade)).size() > 0;
    if (!users && !shipped) {
        RecordFile(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
        RecordFile(m_dir.filePath(ListFiles::ItemsUpgrade), ItemRecord::Size);
    } else if (users && !shipped) {
        TextFile::remove(m_dir, ListFiles::ItemsUpgrade);
    } else if (!users && shipped) {
        firstInstallation();
    }
    return users && shipped;
}

void UpgradeMerge::firstInstallation() const {
    CatalogueJournal::Replaces replaces(m_dir);
    // The user's categories stay; the shipped ones they lack are added in the same step as the
    // shipped items become the user's, so that no item is ever without its category.
    if (m_dir.exists(ListFiles::CategoriesUpgrade)) {
        const Missing categories =
            missingFrom(ListFiles::Categories, ListFiles::CategoriesUpgrade, CategoryRecord::Size);
        replaces.write(ListFiles::Categories, ListFiles::CategoriesScratch,
                       {categories.held, categories.records});
    }
    replaces.move(ListFiles::ItemsUpgrade, ListFiles::Items);
    replaces.commit();
    TextFile::remove(m_dir, ListFiles::CategoriesUpgrade);
}

void UpgradeMerge::merge() const {
    CatalogueJournal::finishPending(m_dir);
    const Missing items = missingFrom(ListFiles::Items, ListFiles::ItemsUpgrade, ItemRecord::Size);
    const Missing categories =
        missingFrom(ListFiles::Categories, ListFiles::CategoriesUpgrade, CategoryRecord::Size);
    {
        CatalogueJournal::Appends appends(m_dir, {{ListFiles::Items, ItemRecord::Size},
                                                  {ListFiles::Categories, CategoryRecord::Size}});
        appends.file(0).appendAll(items.records);
        appends.file(1).appendAll(categories.records);
        appends.commit();
    }
    // Only once the merge is on disk: a merge cut short is offered again.
    TextFile::remove(m_dir, ListFiles::ItemsUpgrade);
    TextFile::remove(m_dir, ListFiles::CategoriesUpgrade);
}

UpgradeMerge::Missing UpgradeMerge::missingFrom(const QString& list, const QString& shipped,
                                                qsizetype recordSize) const {
    Missing missing;
    RecordFile users(m_dir.filePath(list), recordSize);
    missing.held.reserve(users.count() * recordSize);
    users.forEachRun([&](QByteArrayView records) { missing.held.append(records); });
    const RecordSet held(missing.held, recordSize);
    // Shipped records are not compared with each other: one shipped twice is added twice.
    RecordFile shippedFile(m_dir.filePath(shipped), recordSize);
    // Room for all of them, so that the additions are never moved; untouched room costs nothing.
    missing.records.reserve(shippedFile.count() * recordSize);
    shippedFile.forEachRun(
        [&](QByteArrayView records) { held.addMissing(records, missing.records); });
    return missing;
}
