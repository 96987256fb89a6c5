#include "PrintError.h"
#include "PrinterTarget.h"
#include "RecordingPrintTarget.h"
#include "TempDirTest.h"
#include "TestFiles.h"
#include "TodaysListPrintout.h"
#include "WordWrap.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Entries = QList<TodaysListPrintout::Line>;

const QDate Christmas(1998, 12, 25);

} // namespace

Q_DECLARE_METATYPE(Entries)

class PrintTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void wordWrap_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("lines"); // joined by "|"
        // Every character is 100 twips wide; a line may take the width less 10 twips.
        QTest::newRow("no blank at all") << QString(40, u'a') << 1010.0 << QString(40, u'a');
        QTest::newRow("final word kept on its line")
            << u"aaa bbbbbbbbbbbbb"_s << 1010.0 << u"aaa bbbbbbbbbbbbb"_s;
        QTest::newRow("run of blanks at a break")
            << u"aaaa bbbb    cccc dddd"_s << 1010.0 << u"aaaa bbbb |cccc dddd"_s;
        QTest::newRow("10 twips short of a blank")
            << u"aaaa bbbb cccc"_s << 1005.0 << u"aaaa |bbbb cccc"_s;
        QTest::newRow("over-wide first word")
            << u"abcdefghijklmno pq rs tuv wx"_s << 610.0 << u"abcdefghijklmno |pq rs |tuv wx"_s;
        QTest::newRow("empty text") << QString() << 1010.0 << QString();
        QTest::newRow("a line break inside a piece, the line before it widest")
            << u"abcdef\r\ng h i"_s << 510.0 << u"abcdef\r\ng |h i"_s;
    }
    void wordWrap() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QString, lines);
        RecordingPrintTarget target;
        WordWrap::print(target, 1, 1000, width, text);
        QCOMPARE(target.log.join(u'|'), lines);
        for (qsizetype i = 0; i < target.placesAndFonts.size(); ++i)
            QCOMPARE(target.placesAndFonts.at(i), u"1,%1 Courier New 10"_s.arg(1000 + 240 * i));
    }

    void printerTargetWritesPdfPages() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = m_dir.filePath(u"printout.pdf"_s);
        PrinterTarget target(pdf, PrinterTarget::Destination::Pdf);
        target.setDocName(u"Vittlo! Today's List"_s);
        target.setFontName(u"Courier New"_s);
        target.setFontSize(10);
        // Courier New is 6 points, 120 twips, a character.
        QVERIFY(qAbs(target.textWidth(QString(10, u'x')) - 1200) < 5);
        WordWrap::print(target, 1, 1000, 2200, u"A note of some more words"_s);
        target.newPage();
        Entries entries;
        for (int i = 0; i < 150; ++i)
            entries.append({u"Tins\u00b0 Beans %1"_s.arg(i, 3, 10, QChar(u'0')), i == 0});
        TodaysListPrintout::print(target, entries, true, Christmas);
        target.endDocument();
        QCOMPARE(target.outputFile(), pdf);

        // The note has its own sheet, and the list runs over onto further ones by itself, no
        // line lost past the bottom of a page.
        const QStringList text = TestFiles::pdfText(pdf);
        QCOMPARE(text.mid(0, 8).join(u'|'), u"#page|A note of some|more words|#page|Vittlo! "
                                            "12-25-1998|Tins|* Beans 000|Beans 001"_s);
        QVERIFY2(text.count(u"#page"_s) >= 4, qPrintable(text.join(u'\n')));
        QCOMPARE(text.filter(u"Beans"_s).size(), 150);
        QCOMPARE(text.filter(u"Beans"_s).last(), u"Beans 149"_s);
        // Every word keeps a printer's margin from the sheet's edges, so that the PDF prints
        // whole: at least 10 mm, in points.
        QProcess boxes;
        boxes.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
        QVERIFY(boxes.waitForFinished(30000));
        const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
        // A print queue shows the document's name.
        QVERIFY(html.contains(u"<title>Vittlo! Today&apos;s List</title>"_s));
        const QRegularExpressionMatch sheet =
            QRegularExpression(u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""_s).match(html);
        const double margin = 72 / 2.54;
        const double right = sheet.captured(1).toDouble() - margin;
        const double foot = sheet.captured(2).toDouble() - margin;
        QVERIFY(foot > margin);
        const QRegularExpression box(u"xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                     "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""_s);
        for (auto words = box.globalMatch(html); words.hasNext();) {
            const QRegularExpressionMatch word = words.next();
            QVERIFY2(
                word.captured(1).toDouble() >= margin && word.captured(2).toDouble() >= margin &&
                    word.captured(3).toDouble() <= right && word.captured(4).toDouble() <= foot,
                qPrintable(word.captured(0)));
        }
        // A file that cannot be written is the printer's failure, and the document is dropped.
        PrinterTarget nowhere(m_dir.filePath(u"no folder/printout.pdf"_s),
                              PrinterTarget::Destination::Pdf);
        QVERIFY_THROWS_EXCEPTION(PrintError, nowhere.printLine(u"Milk"_s));
    }

    // A line whose top fits the sheet but whose bottom would pass its foot, by a device pixel,
    // goes on the next sheet; one that ends a pixel inside stays.
    void printerTargetBreaksAtTheFoot() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = m_dir.filePath(u"printout.pdf"_s);
        QPrinter page(QPrinter::HighResolution);
        PrinterTarget::setUp(page, pdf, PrinterTarget::Destination::Pdf);
        QFont font(u"Courier New"_s);
        font.setPointSizeF(10);
        const double foot = page.pageLayout().paintRectPixels(page.resolution()).height();
        const double line = QFontMetricsF(font, &page).height();
        for (const double over : {-1.0, 1.0}) {
            PrinterTarget target(pdf, PrinterTarget::Destination::Pdf);
            target.setFontName(u"Courier New"_s);
            target.setFontSize(10);
            target.printLine(u"first"_s);
            target.setCurrentY((foot - line + over) * 1440 / page.resolution());
            target.printLine(u"last"_s);
            target.endDocument();
            // A mark after the last sheet too.
            QCOMPARE(TestFiles::pdfText(pdf).count(u"#page"_s) - 1, over < 0 ? 1 : 2);
        }
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
