#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The order of the shop's aisles for this data folder, kept in "aisles.lst" beside the lists: one
// category name a line, outer blanks removed, Windows-1252, CR LF. Without the file there is no
// order, and every list is alphabetical. The catalogue's own files never change for it.
class AisleOrder final {
public:
    // Some 30,000 aisles; a larger file is no order of ours, and is neither read nor replaced.
    static constexpr qint64 LargestFile = 1024 * 1024;

    explicit AisleOrder(const QDir& dir);

    // The names in the file, trimmed, with empty and repeated lines left out; none without the
    // file. Throws FileError.
    QStringList read() const;
    // Replaces the file in one step; no names delete it, and the lists are alphabetical again.
    void write(const QStringList& names) const;
    // Gives a renamed category the old name's place, and keeps the old name right after it, so
    // that entries made under it stay in their aisle. False, and nothing written, when the file
    // does not name it. Throws FileError.
    bool rename(const QString& from, const QString& to) const;

    // The categories (trimmed, without repeats) in shop order: those aisles names, in its order,
    // then the others alphabetically.
    static QStringList arranged(const QStringList& categories, const QStringList& aisles);
    // What the file holds once the categories are put in the order given: the categories, and
    // the names of the file the catalogue lacks each kept after the name it followed, so that a
    // category added again gets its place back. Linear in the names.
    static QStringList merged(const QStringList& ordered, const QStringList& previous);

private:
    QDir m_dir;
};
