#include "Catalogue.h"
#include "CategoryRecord.h"
#include "EntryListFile.h"
#include "ItemRecord.h"
#include "TempDirTest.h"
#include "Windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestFiles::field;

class StoreTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void recordBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("filled") << u"Dairy"_s << field("Dairy");
        QTest::newRow("empty") << QString() << QByteArray(30, ' ');
        QTest::newRow("35 characters cut") << u"Frozen Foods and Ice Cream Treats"_s + u"XY"_s
                                           << QByteArray("Frozen Foods and Ice Cream Tre");
        QTest::newRow("code page characters")
            << u"Cr\u00e8me \u20ac\u00b0"_s << field("Cr\xe8me \x80\xb0");
        QTest::newRow("outside the code page, one ? each")
            << u"\u65e5\u672c \U0001F34E"_s << field("?? ?");
        QTest::newRow("30 pairs cut to 30 bytes")
            << QString(30, u'x').replace(u"x"_s, u"\U0001F34E"_s) << QByteArray(30, '?');
    }
    void recordBytes() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CategoryRecord(name).bytes(), bytes);
        QCOMPARE(ItemRecord(name, name).bytes(), bytes + bytes);
    }

    void everyByteReadsBackUnchanged() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
        QCOMPARE(Windows1252::decode("\xb0\x80"), u"\u00b0\u20ac"_s);
    }

    void itemsBelongByExactName_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("items");
        const QString apples = QString::fromLatin1(field("Apples"));
        QTest::newRow("exact, duplicates kept in file order")
            << u"Fruit"_s.leftJustified(30) << QStringList{apples, apples};
        QTest::newRow("other case") << u"FRUIT"_s.leftJustified(30) << QStringList{};
        QTest::newRow("leading blank")
            << u" Fruit"_s.leftJustified(30) << QStringList{QString::fromLatin1(field("Figs"))};
        QTest::newRow("not a stored form") << u"Fruit"_s << QStringList{};
    }
    void itemsBelongByExactName() {
        QFETCH(QString, category);
        QFETCH(QStringList, items);
        TestFiles::write(m_dir, u"std_item.lst"_s,
                         TestFiles::itemRecords({{"Fruit", "Apples"},
                                                 {"fruit", "Limes"},
                                                 {" Fruit", "Figs"},
                                                 {"Fruit", "Apples"}}) +
                             "Fruit");
        QCOMPARE(Catalogue(m_dir).itemsOf(category), items);
    }

    void todaysListReadAndWritten_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("empty file") << QByteArray() << QStringList{} << QByteArray();
        QTest::newRow("CR LF, CR, LF, no terminator")
            << QByteArray("a\r\nb\rc\nd") << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}
            << QByteArray("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("CR then CR LF")
            << QByteArray("a\r\r\n") << QStringList{u"a"_s, QString()} << QByteArray("a\r\n");
        QTest::newRow("blank and padded lines read as they are, written trimmed")
            << QByteArray("Dairy\xb0 Milk\r\n\r\n  Bakery\xb0 Bread  \r\n   \r\n")
            << QStringList{u"Dairy\u00b0 Milk"_s, QString(), u"  Bakery\u00b0 Bread  "_s, u"   "_s}
            << QByteArray("Dairy\xb0 Milk\r\nBakery\xb0 Bread\r\n");
        QTest::newRow("tabs are text")
            << QByteArray("\tTea\t\r\n") << QStringList{u"\tTea\t"_s} << QByteArray("\tTea\t\r\n");
    }
    void todaysListReadAndWritten() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, written);
        TestFiles::write(m_dir, u"todays.lst"_s, bytes);
        const EntryListFile file(m_dir, u"todays.lst"_s);
        QCOMPARE(file.read(), lines);
        file.write(lines);
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), written);
        QCOMPARE(m_dir.entryList(QDir::Files), QStringList{u"todays.lst"_s});
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
