#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <initializer_list>
#include <memory>

class RecordFile;

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
    // A list file opened for writing, with the shipped records it lacks.
    struct Addition {
        std::unique_ptr<RecordFile> list;
        QByteArray records;
        QString shipped;
    };
    Addition additionTo(const QString& list, const QString& shipped, qsizetype recordSize) const;
    // Appends each addition, then deletes the shipped files: all are opened before any is written.
    void add(std::initializer_list<Addition*> additions) const;

    QDir m_dir;
};
