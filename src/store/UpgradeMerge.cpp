#include "UpgradeMerge.h"

#include "CategoryRecord.h"
#include "FileError.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "RecordSet.h"
#include "TextFile.h"

#include <QFileInfo>
#include <filesystem>
#include <optional>
#include <system_error>

UpgradeMerge::UpgradeMerge(const QDir& dir)
    : m_dir(dir) {}

bool UpgradeMerge::prepare() const {
    // Only the lengths in bytes count, whole records or not; a missing file is empty.
    const bool users = QFileInfo(m_dir.filePath(ListFiles::Items)).size() > 0;
    const bool shipped = QFileInfo(m_dir.filePath(ListFiles::ItemsUpgrade)).size() > 0;
    if (!users && !shipped) {
        RecordFile(m_dir.filePath(ListFiles::Items), ItemRecord::Size);
        RecordFile(m_dir.filePath(ListFiles::ItemsUpgrade), ItemRecord::Size);
    } else if (users && !shipped) {
        TextFile::remove(m_dir, ListFiles::ItemsUpgrade);
    } else if (!users && shipped) {
        // The user's categories stay; the shipped ones they lack are added. Both category files
        // are opened before the shipped items become the user's.
        std::optional<Addition> categories;
        if (m_dir.exists(ListFiles::CategoriesUpgrade))
            categories = additionTo(ListFiles::Categories, ListFiles::CategoriesUpgrade,
                                    CategoryRecord::Size);
        std::error_code error;
        std::filesystem::rename(m_dir.filePath(ListFiles::ItemsUpgrade).toStdU16String(),
                                m_dir.filePath(ListFiles::Items).toStdU16String(), error);
        if (error)
            throw FileError(ListFiles::ItemsUpgrade, QString::fromStdString(error.message()));
        if (categories)
            add({&*categories});
    }
    return users && shipped;
}

void UpgradeMerge::merge() const {
    Addition items = additionTo(ListFiles::Items, ListFiles::ItemsUpgrade, ItemRecord::Size);
    Addition categories =
        additionTo(ListFiles::Categories, ListFiles::CategoriesUpgrade, CategoryRecord::Size);
    add({&items, &categories});
}

UpgradeMerge::Addition UpgradeMerge::additionTo(const QString& list, const QString& shipped,
                                                qsizetype recordSize) const {
    Addition addition{std::make_unique<RecordFile>(m_dir.filePath(list), recordSize,
                                                   RecordFile::Access::ReadWrite),
                      QByteArray(), shipped};
    QByteArray users;
    users.reserve(addition.list->count() * recordSize);
    addition.list->forEachRun([&](QByteArrayView records) { users.append(records); });
    const RecordSet held(users, recordSize);
    // Shipped records are not compared with each other: one shipped twice is added twice.
    RecordFile shippedFile(m_dir.filePath(shipped), recordSize);
    // Room for all of them, so that the additions are never moved; untouched room costs nothing.
    addition.records.reserve(shippedFile.count() * recordSize);
    shippedFile.forEachRun(
        [&](QByteArrayView records) { held.addMissing(records, addition.records); });
    return addition;
}

void UpgradeMerge::add(std::initializer_list<Addition*> additions) const {
    for (Addition* addition : additions)
        addition->list->appendAll(addition->records);
    for (Addition* addition : additions)
        TextFile::remove(m_dir, addition->shipped);
}
