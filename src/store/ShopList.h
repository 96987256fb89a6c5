#pragma once

#include <QDir>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One shop: its name, the categories in the order of its aisles (trimmed, the names the
// catalogue lacks kept in their places), and the categories it does not sell.
struct Shop {
    QString name;
    QStringList aisles;
    QSet<QString> notSold;
    friend bool operator==(const Shop&, const Shop&) = default;
};

// The shops of this data folder and the one picked for the trip, kept in "shops.lst" beside the
// lists: Windows-1252, CR LF, a line each, its first character saying what it is:
//   > Market          the shop picked (no such line: all shops, the lists alphabetical)
//   = Market          a shop; the lines after it, up to the next shop, are its aisles in order:
//   + Dairy           a category the shop sells
//   - Fish counter    a category it does not sell
// A name is all of the line after the character and one blank, less blanks at its end. Without
// the file, an "aisles.lst" of an earlier version becomes the shop "My Shop", picked, once.
class ShopList final {
public:
    // Some 30,000 aisles; a larger file is no list of ours, and is neither read nor replaced.
    static constexpr qint64 LargestFile = 1024 * 1024;
    // The shop an earlier version's single order becomes.
    static const QString FirstShop;

    QList<Shop> shops;
    // Empty for all shops.
    QString picked;

    // Throws FileError for a file that cannot be read, or is not one of ours.
    static ShopList read(const QDir& dir);
    // Replaces the file in one step. Throws FileError, and leaves the file as it was, when it
    // cannot be written or would pass the largest size.
    void write(const QDir& dir) const;

    // The shop picked, or none.
    const Shop* pickedShop() const;
    Shop* find(const QString& name);
    // Gives a renamed category the old name's place in every shop, with the old name kept right
    // after it so that entries made under it stay in their aisle; a category not sold stays so.
    // False when no shop names it.
    bool renameCategory(const QString& from, const QString& to);

    friend bool operator==(const ShopList&, const ShopList&) = default;
};
