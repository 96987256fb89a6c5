#include "WordWrap.h"

#include "PrintTarget.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString withoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return text.mid(start);
}

} // namespace

void WordWrap::print(PrintTarget& target, double left, double top, double width,
                     const QString& text) {
    QString rest = text;
    target.setCurrentY(top);
    target.setCurrentX(left);
    target.setFontName(u"Courier New"_s);
    target.setFontSize(10);
    const double limit = width - 10;
    do {
        // fitted: how many characters, up to and including a blank, fit on the line so far.
        qsizetype fitted = 0;
        qsizetype blank = -1;
        for (;;) {
            blank = rest.indexOf(u' ', fitted);
            const QString piece = blank < 0 ? QString() : rest.left(blank + 1);
            if (blank < 0 || std::round(target.textWidth(piece)) > limit)
                break;
            fitted = blank + 1;
        }
        QString line;
        if (blank < 0) {
            line = rest;
            rest.clear();
        } else {
            // Even the first word did not fit: it goes on a line of its own.
            const qsizetype taken = fitted > 0 ? fitted : blank + 1;
            line = rest.left(taken);
            rest = withoutLeadingBlanks(rest.mid(taken));
        }
        target.setCurrentX(left);
        target.printLine(line);
    } while (!rest.isEmpty());
}
