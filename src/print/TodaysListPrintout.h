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
    };

    // Prints the lines; the caller ends the document.
    static void print(PrintTarget& target, const QList<Line>& entries, bool includeCategories,
                      const QDate& date);
    // The printout with category names as plain text, less its two empty lines at the top: each
    // line without its trailing blanks, and ended by a line break.
    static QString text(const QList<Line>& entries, const QDate& date);
};
