#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The order of a shop's aisles: the categories in it, and how an order is kept when the
// catalogue changes. An earlier version kept one in "aisles.lst" beside the lists: one category
// name a line, outer blanks removed, Windows-1252, CR LF; it is read once, for the first shop.
class AisleOrder final {
public:
    // Some 30,000 aisles; a larger file is no order of ours, and is neither read nor replaced.
    static constexpr qint64 LargestFile = 1024 * 1024;

    explicit AisleOrder(const QDir& dir);

    // The names in the file, trimmed, with empty and repeated lines left out; none without the
    // file. Throws FileError.
    QStringList read() const;

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
