#pragma once

#include <QChar>
#include <QLatin1String>
#include <QtGlobal>

// The program's list files, by their bare names in the data directory.
namespace ListFiles {
inline constexpr QLatin1String Categories("category.lst");
inline constexpr QLatin1String Items("std_item.lst");
inline constexpr QLatin1String TodaysList("todays.lst");
inline constexpr QLatin1String CategoriesScratch("category.tmp");
inline constexpr QLatin1String ItemsScratch("std_item.tmp");
inline constexpr QLatin1String CategoriesUpgrade("category.new");
inline constexpr QLatin1String ItemsUpgrade("std_item.new");
// The order of the categories an earlier version kept for its one shop; read once, never written.
inline constexpr QLatin1String Aisles("aisles.lst");
// The shops, their aisles and the one picked.
inline constexpr QLatin1String Shops("shops.lst");
// Where a printout goes when no printer is installed.
inline constexpr QLatin1String Printout("printout.pdf");
// Between the category and the item of a Today's List entry: the degree sign.
inline constexpr QChar EntrySeparator(u'\u00b0');
// A category name has at most 30 characters, so an entry's separator stands within its first 31.
inline constexpr qsizetype SeparatorSearchLength = 31;
} // namespace ListFiles
