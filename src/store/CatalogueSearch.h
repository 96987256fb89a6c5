#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QString>
#include <vector>

// Finds catalogue items by a piece of their item or category name, without regard to case or
// accents ("creme" finds "Crème brioche"). Only items whose category exists are found, as the
// window shows them. The catalogue is read once, with the order of its items, and again only
// when its files change; each search is then one pass over it.
class CatalogueSearch final {
public:
    explicit CatalogueSearch(const QDir& dir);

    // Reads the catalogue again if its files changed since it was last read, and says whether
    // it did. Throws FileError.
    bool refresh();
    // The next refresh reads the catalogue again, whatever its files' sizes and times.
    void forget() { m_stamps[0] = m_stamps[1] = {}; }
    // The items found, in the lists' order of "Category° Item" without regard to case; none for
    // an empty text.
    std::vector<quint32> find(const QString& text) const;
    // How entry gives the item's name: trimmed of blanks, as Find shows it, or whole, with the
    // blanks that fill it to 30 characters, as a double-click in the item list adds it to
    // Today's List.
    enum class ItemName { Trimmed, Whole };
    // "Category° Item": the category trimmed of blanks, the degree sign, a blank, and the item;
    // empty for a number this read does not hold.
    QString entry(quint32 found, ItemName name) const;

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    Stamp stampOf(const QString& name) const;
    void read();

    QDir m_dir;
    Stamp m_stamps[2];
    // The records of items that have a category, as stored.
    QByteArray m_records;
    // Each record's category and item, trimmed of blanks, with case and accents folded away and
    // each followed by a NUL, one record after the other; where each record's begin, and where
    // the last one ends.
    QByteArray m_folded;
    std::vector<quint32> m_starts;
    // Record numbers in the order they are shown.
    std::vector<quint32> m_order;
};
