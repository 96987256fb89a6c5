#include "PrintError.h"
#include "PrinterTarget.h"
#include "RecordingPrintTarget.h"
#include "TempDirTest.h"
#include "TestRegistry.h"
#include "TodaysListPrintout.h"
#include "WordWrap.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Entries = QList<TodaysListPrintout::Entry>;

const QDate Christmas(1998, 12, 25);
const QStringList Heading{QString(), QString(), u"Vittlo! 12-25-1998"_s, QString()};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return u"<%1 failed: %2>"_s.arg(program,
                                        QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

Q_DECLARE_METATYPE(Entries)

class PrintTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void todaysList_data() {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<bool>("includeCategories");
        QTest::addColumn<QStringList>("lines");
        const Entries example{{u"Dairy\u00b0 Milk"_s, true},
                              {u"Dairy\u00b0 Eggs"_s, false},
                              {u"Produce\u00b0 Apples"_s, false}};
        QTest::newRow("example, with names")
            << example << true
            << Heading + QStringList{QString(), u"Dairy   "_s,   u"   * Milk"_s,  u"     Eggs"_s,
                                     QString(), u"Produce   "_s, u"     Apples"_s};
        QTest::newRow("example, without names")
            << example << false
            << Heading + QStringList{QString(), u"   * Milk"_s, u"     Eggs"_s, QString(),
                                     u"     Apples"_s};
        QTest::newRow("one-time items and padded entries")
            << Entries{{u"  Dairy\u00b0 Milk                          "_s, false},
                       {u"special\u00b0   eggs  "_s, true}}
            << true << Heading + QStringList{QString(), u"Dairy   "_s,   u"     Milk"_s,
                                             QString(), u"special   "_s, u"   *   eggs"_s};
        QTest::newRow("categories differing in case")
            << Entries{{u"Dairy\u00b0 Milk"_s, false}, {u"dairy\u00b0 Milk"_s, false}} << true
            << Heading + QStringList{QString(), u"Dairy   "_s, u"     Milk"_s,
                                     QString(), u"dairy   "_s, u"     Milk"_s};
        QTest::newRow("empty item names")
            << Entries{{u"Dairy\u00b0"_s, true}, {u"Dairy\u00b0 "_s, false}} << false
            << Heading + QStringList{QString(), u"   * "_s, u"     "_s};
        QTest::newRow("retyped entry under the group before it")
            << Entries{{u"Dairy\u00b0 Milk"_s, false}, {u"bread and rolls"_s, true}} << true
            << Heading +
                   QStringList{QString(), u"Dairy   "_s, u"     Milk"_s, u"   * bread and rolls"_s};
        QTest::newRow("separator past the 31st character")
            << Entries{{QString(31, u'x') + u"\u00b0 y"_s, false}} << true
            << Heading + QStringList{u"     "_s + QString(31, u'x') + u"\u00b0 y"_s};
        QTest::newRow("empty list: the heading alone") << Entries{} << true << Heading;
    }
    void todaysList() {
        QFETCH(Entries, entries);
        QFETCH(bool, includeCategories);
        QFETCH(QStringList, lines);
        RecordingPrintTarget target;
        TodaysListPrintout::print(target, entries, includeCategories, Christmas);
        QCOMPARE(target.texts(), lines);
        QCOMPARE(target.documents().size(), 1);
        QCOMPARE(target.documents().first().pages.size(), 1);
        for (const RecordingPrintTarget::Line& line : target.documents().first().pages.first())
            QCOMPARE(line.font, u"Courier New 10 bold"_s);
    }

    void wordWrap_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        // Every character is 100 twips wide: a width of 1010 leaves room for 10 characters.
        QTest::newRow("no blank at all")
            << QString(40, u'a') << 1010.0 << QStringList{QString(40, u'a')};
        QTest::newRow("final word kept on its line")
            << u"aaa bbbbbbbbbbbbb"_s << 1010.0 << QStringList{u"aaa bbbbbbbbbbbbb"_s};
        QTest::newRow("run of blanks at a break") << u"aaaa bbbb    cccc dddd"_s << 1010.0
                                                  << QStringList{u"aaaa bbbb "_s, u"cccc dddd"_s};
        QTest::newRow("over-wide first word")
            << u"abcdefghijklmno pq rs tuv wx"_s << 610.0
            << QStringList{u"abcdefghijklmno "_s, u"pq rs "_s, u"tuv wx"_s};
        QTest::newRow("empty text") << QString() << 1010.0 << QStringList{QString()};
        QTest::newRow("line breaks travel inside pieces")
            << u"ab\r\ncd ef gh"_s << 810.0 << QStringList{u"ab\r\ncd "_s, u"ef gh"_s};
    }
    void wordWrap() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        RecordingPrintTarget target;
        target.setFontBold(false);
        WordWrap::print(target, 1, 1000, width, text);
        QCOMPARE(target.texts(), lines);
        const QList<RecordingPrintTarget::Line>& printed = target.documents().first().pages.first();
        for (qsizetype i = 0; i < printed.size(); ++i) {
            QCOMPARE(printed.at(i).x, 1.0);
            QCOMPARE(printed.at(i).y, 1000.0 + i * target.lineHeight);
            QCOMPARE(printed.at(i).font, u"Courier New 10"_s);
        }
        QVERIFY(!target.documents().first().ended);
    }

    void printerTargetWritesAPdf() {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = m_dir.filePath(u"printout.pdf"_s);
        PrinterTarget target(pdf, PrinterTarget::Destination::Pdf);
        Entries entries{{u"Dairy\u00b0 Milk"_s, true}, {u"Produce\u00b0 Apples"_s, false}};
        for (int i = 0; i < 120; ++i)
            entries.append({u"Tins\u00b0 Beans %1"_s.arg(i, 3, 10, QChar(u'0')), false});
        TodaysListPrintout::print(target, entries, true, Christmas);
        target.endDocument();
        QCOMPARE(target.outputFile(), pdf);

        const QStringList text =
            run(pdftotext, {u"-layout"_s, pdf, u"-"_s}).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(text.size() > 5, qPrintable(text.join(u'\n')));
        QCOMPARE(text.at(0).trimmed(), u"Vittlo! 12-25-1998"_s);
        QCOMPARE(text.at(1).trimmed(), u"Dairy"_s);
        QCOMPARE(text.at(2).trimmed(), u"* Milk"_s);
        QVERIFY(std::any_of(text.begin(), text.end(),
                            [](const QString& line) { return line.trimmed() == u"Beans 119"; }));
        // Too long for one sheet: the target starts the next one by itself.
        const QString info = run(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+[2-9]"_s)), qPrintable(info));
        const QString fonts = run(u"pdffonts"_s, {pdf});
        QVERIFY2(fonts.contains(u"Bold"_s) && fonts.contains(u"Mono"_s), qPrintable(fonts));
    }

    void aPdfThatCannotBeWrittenIsAPrintError() {
        PrinterTarget target(m_dir.filePath(u"no such folder/printout.pdf"_s),
                             PrinterTarget::Destination::Pdf);
        target.setFontName(u"Courier New"_s);
        QVERIFY_THROWS_EXCEPTION(PrintError, target.printLine(u"Milk"_s));
        // The failed document is abandoned; the next one starts afresh.
        QVERIFY_THROWS_EXCEPTION(PrintError, target.printLine(u"Milk"_s));
        target.endDocument();
    }
};

VITTLO_REGISTER_TEST(PrintTest)
#include "tst_print.moc"
