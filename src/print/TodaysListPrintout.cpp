#include "TodaysListPrintout.h"

#include "Blanks.h"
#include "Entry.h"
#include "PrintTarget.h"
#include "TextTarget.h"

using namespace Qt::StringLiterals;

void TodaysListPrintout::print(PrintTarget& target, const QList<Line>& entries,
                               bool includeCategories, const QDate& date, const QString& shop) {
    target.setFontName(u"Courier New"_s);
    target.setFontBold(true);
    target.setFontSize(10);
    target.printLine(QString());
    target.printLine(QString());
    target.printLine(u"Vittlo! "_s + date.toString(u"MM-dd-yyyy"_s) +
                     (shop.isEmpty() ? QString() : u" - "_s + shop));
    target.printLine(QString());

    QString previousCategory;
    // The heading printed last: a sheet that begins inside its aisle repeats it.
    QString heading;
    bool notSold = false;
    for (const Line& entry : entries) {
        const Entry line(entry.text);
        // What the shop does not sell comes last, under its own heading, names or not.
        if (entry.notSold && !std::exchange(notSold, true)) {
            target.printLine(QString());
            target.printLine(u"Not at "_s + shop);
            previousCategory.clear();
            heading.clear();
        }
        // An entry without a category (a retyped one) prints whole, under the group before it.
        if (line.hasCategory()) {
            const QString category = line.category();
            if (category != previousCategory) {
                target.printLine(QString());
                if (includeCategories) {
                    target.printLine(category + u"   "_s);
                    heading = category;
                }
                previousCategory = category;
            }
        }
        if (!heading.isEmpty() && target.nextLineStartsSheet())
            target.printLine(heading + u" (continued)"_s);
        target.printLine(
            (entry.checked ? u"   * "_s : u"     "_s) + line.item() +
            (entry.count > 1 ? u" \u00d7"_s + QString::number(entry.count) : QString()));
    }
}

QString TodaysListPrintout::text(const QList<Line>& entries, const QDate& date,
                                 const QString& shop) {
    TextTarget printout;
    print(printout, entries, true, date, shop);
    QString text;
    for (const QString& line : printout.lines().mid(2))
        text += Blanks::withoutTrailing(line) + u'\n';
    return text;
}
