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

private:
    QDir m_dir;
};
