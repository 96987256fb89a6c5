#pragma once

#include <QDir>

// Removes the items whose category no longer exists.
class OrphanPurge final {
public:
    // Rewrites "std_item.lst" with the items that have a category (their Category field and a
    // category's name equal once both are trimmed of blanks, case counting), grouped by category
    // in the order of "category.lst" and in their old order within a group. A name held by
    // several categories keeps its items once. "category.lst" is only read.
    static void purge(const QDir& dir);
};
