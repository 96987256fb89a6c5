#pragma once

#include <QDate>
#include <QList>
#include <QString>

class PrintTarget;

// Today's List on paper: a heading with the date, then the entries grouped by their category
// part, ticked ones marked with an asterisk, and " ×N" after an entry to be bought N times.
class TodaysListPrintout final {
public:
    struct Line {
        QString text;
        bool checked = false;
        int count = 1;
        // Its category is one the shop picked does not sell.
        bool notSold = false;
    };

    // Prints the lines, headed with the date and the shop picked, if any; the entries the shop
    // does not sell come under a heading of their own. The caller ends the document.
    static void print(PrintTarget& target, const QList<Line>& entries, bool includeCategories,
                      const QDate& date, const QString& shop = {});
    // The printout with category names as plain text, less its two empty lines at the top: each
    // line without its trailing blanks, and ended by a line break.
    static QString text(const QList<Line>& entries, const QDate& date, const QString& shop = {});
};
