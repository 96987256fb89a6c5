#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

// Brings in the catalogue an installation ships as "category.new" and "std_item.new", at
// start-up before any list is read. The lengths of the two item files decide what happens. Both
// list files change together or not at all (see CatalogueJournal).
class UpgradeMerge final {
public:
    explicit UpgradeMerge(const QDir& dir);

    // Does what needs no question and tells whether a merge is to be offered. An ordinary start
    // (the user's items, none shipped) deletes "std_item.new"; a first installation (shipped
    // items, none of the user's) makes the shipped files the user's, merging "category.new" into
    // a "category.lst" that exists; when neither item file holds anything, both are left empty.
    // A merge is offered when both hold records.
    bool prepare() const;
    // Appends to each list file the shipped records it does not hold, byte for byte, in shipped
    // order, then deletes the ".new" files.
    void merge() const;

private:
    // The whole records of the list file, and the shipped records it does not hold.
    struct Missing {
        QByteArray held;
        QByteArray records;
    };
    Missing missingFrom(const QString& list, const QString& shipped, qsizetype recordSize) const;
    void firstInstallation() const;

    QDir m_dir;
};
