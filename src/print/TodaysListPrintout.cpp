#include "TodaysListPrintout.h"

#include "Blanks.h"
#include "ListFiles.h"
#include "PrintTarget.h"
#include "TextTarget.h"

using namespace Qt::StringLiterals;

void TodaysListPrintout::print(PrintTarget& target, const QList<Entry>& entries,
                               bool includeCategories, const QDate& date) {
    target.setFontName(u"Courier New"_s);
    target.setFontBold(true);
    target.setFontSize(10);
    target.printLine(QString());
    target.printLine(QString());
    target.printLine(u"Vittlo! "_s + date.toString(u"MM-dd-yyyy"_s));
    target.printLine(QString());

    QString previousCategory;
    // The heading printed last: a sheet that begins inside its aisle repeats it.
    QString heading;
    for (const Entry& entry : entries) {
        const QString trimmed = Blanks::trimmed(entry.text);
        const qsizetype separator =
            trimmed.left(ListFiles::SeparatorSearchLength).indexOf(ListFiles::EntrySeparator);
        // An entry without a separator (a retyped one) prints whole, under the group before it.
        QString item = trimmed;
        if (separator >= 0) {
            const QString category = trimmed.left(separator);
            if (category != previousCategory) {
                target.printLine(QString());
                if (includeCategories) {
                    target.printLine(category + u"   "_s);
                    heading = category;
                }
                previousCategory = category;
            }
            item = trimmed.mid(separator + 2);
        }
        if (!heading.isEmpty() && target.nextLineStartsSheet())
            target.printLine(heading + u" (continued)"_s);
        target.printLine((entry.checked ? u"   * "_s : u"     "_s) + item);
    }
}

QString TodaysListPrintout::text(const QList<Entry>& entries, const QDate& date) {
    TextTarget printout;
    print(printout, entries, true, date);
    QString text;
    for (const QString& line : printout.lines().mid(2))
        text += Blanks::withoutTrailing(line) + u'\n';
    return text;
}
