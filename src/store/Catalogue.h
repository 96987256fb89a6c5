#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// Reads the catalogue: "category.lst" and "std_item.lst", each created empty when missing.
class Catalogue final {
public:
    explicit Catalogue(const QDir& dir);

    // Every category's full 30-character name, in file order.
    QStringList categories() const;
    // The full 30-character item names of every record whose Category field equals category
    // exactly, blanks and case included, in file order.
    QStringList itemsOf(const QString& category) const;

    // Appends a category unless one has the same name, trimmed and in any case. Returns whether
    // it did.
    bool addCategory(const QString& name) const;
    // Gives the first category named current (trimmed) the new name, and moves every item of
    // that name to it. Both files change in one step (see CatalogueJournal).
    void renameCategory(const QString& current, const QString& newName) const;
    // Removes every category named name (trimmed). Their items stay in the item file.
    void removeCategory(const QString& name) const;
    // Appends the item unless the category already holds one with the same stored fields.
    // Returns whether it did.
    bool addItem(const QString& category, const QString& item) const;
    // Removes every item named item (trimmed) of the category named category (trimmed).
    void removeItem(const QString& category, const QString& item) const;

private:
    QDir m_dir;
};
