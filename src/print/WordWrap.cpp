#include "WordWrap.h"

#include "PrintTarget.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The width of a piece of text as it grows: its widest line so far and its last, open line. Only
// the part added is measured, so wrapping takes time in proportion to the text's length.
struct PieceWidth {
    double widest = 0;
    double last = 0;

    void add(PrintTarget& target, QStringView part) {
        for (;;) {
            qsizetype lineBreak = 0;
            while (lineBreak < part.size() && part.at(lineBreak) != u'\r' &&
                   part.at(lineBreak) != u'\n')
                ++lineBreak;
            if (lineBreak == part.size()) {
                last += target.textWidth(part.toString());
                return;
            }
            last += target.textWidth(part.first(lineBreak).toString());
            widest = std::max(widest, last);
            last = 0;
            // CR LF is one line break.
            const qsizetype length = part.sliced(lineBreak).startsWith(u"\r\n") ? 2 : 1;
            part = part.sliced(lineBreak + length);
        }
    }
    double width() const { return std::max(widest, last); }
};

} // namespace

void WordWrap::print(PrintTarget& target, double left, double top, double width,
                     const QString& text) {
    target.setCurrentY(top);
    target.setCurrentX(left);
    target.setFontName(u"Courier New"_s);
    target.setFontSize(10);
    const double limit = width - 10;
    const QStringView all(text);
    qsizetype start = 0;
    do {
        // fitted: where the part of the line that fits ends, just after a blank.
        qsizetype fitted = start;
        qsizetype blank = -1;
        PieceWidth piece;
        for (;;) {
            blank = text.indexOf(u' ', fitted);
            if (blank < 0)
                break;
            piece.add(target, all.sliced(fitted, blank + 1 - fitted));
            if (std::round(piece.width()) > limit)
                break;
            fitted = blank + 1;
        }
        // A final word stays on its line; a first word too wide for any gets a line of its own.
        const qsizetype end = blank < 0 ? text.size() : (fitted > start ? fitted : blank + 1);
        target.setCurrentX(left);
        target.printLine(text.sliced(start, end - start));
        start = end;
        while (start < text.size() && text.at(start) == u' ')
            ++start;
    } while (start < text.size());
}
