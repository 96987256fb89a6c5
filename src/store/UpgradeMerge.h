#pragma once

#include <QDir>
#include <QString>

// Brings in the catalogue an installation ships as "category.new" and "std_item.new", at
// start-up before any list is read. The lengths of the two item files decide what happens.
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
    void mergeFile(const QString& list, const QString& shipped, qsizetype recordSize) const;

    QDir m_dir;
};
