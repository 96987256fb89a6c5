#include "Catalogue.h"
#include "CategoryRecord.h"
#include "EntryListFile.h"
#include "ItemRecord.h"
#include "RecordFile.h"
#include "TempDirTest.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "Windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestFiles::field;

class StoreTest : public TempDirTest {
    Q_OBJECT

    EntryListFile todaysList() const { return EntryListFile(m_dir, u"todays.lst"_s); }

private Q_SLOTS:
    void categoryRecordBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("filled") << u"Dairy"_s << QByteArray("Dairy").leftJustified(30, ' ');
        QTest::newRow("empty") << QString() << QByteArray(30, ' ');
        QTest::newRow("35 characters cut") << u"Frozen Foods and Ice Cream Treats"_s + u"XY"_s
                                           << QByteArray("Frozen Foods and Ice Cream Tre");
        QTest::newRow("code page characters")
            << u"Cr\u00e8me \u20ac\u00b0"_s
            << QByteArray("Cr\xe8me \x80\xb0").leftJustified(30, ' ');
        QTest::newRow("outside the code page, one ? each")
            << u"\u65e5\u672c \U0001F34E"_s << QByteArray("?? ?").leftJustified(30, ' ');
        QTest::newRow("30 pairs cut to 30 bytes")
            << QString(30, u'x').replace(u"x"_s, u"\U0001F34E"_s) << QByteArray(30, '?');
    }
    void categoryRecordBytes() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const CategoryRecord record(name);
        QCOMPARE(record.bytes(), bytes);
        QCOMPARE(record.bytes().size(), 30);
        QCOMPARE(CategoryRecord::fromBytes(bytes).name().size(), 30);
        const ItemRecord item(name, name);
        QCOMPARE(item.bytes(), bytes + bytes);
        QCOMPARE(item.item(), CategoryRecord::fromBytes(bytes).name());
    }

    void everyByteReadsBackUnchanged() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
        QCOMPARE(Windows1252::decode("\xb0\x80"), u"\u00b0\u20ac"_s);
    }

    void incompleteTailIsIgnoredAndKept() {
        QVERIFY(Catalogue(m_dir).itemsOf(QString(30, u' ')).isEmpty());
        QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), QByteArray()); // created when missing
        const QByteArray bytes = field("Dairy") + QByteArray("Bakery         ");
        TestFiles::write(m_dir, u"category.lst"_s, bytes);
        QCOMPARE(Catalogue(m_dir).categories(), QStringList{u"Dairy"_s + QString(25, u' ')});
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), bytes);
        {
            RecordFile file(m_dir.filePath(u"category.lst"_s), 30);
            QCOMPARE(file.count(), 1);
            file.append(field("Produce"));
            QCOMPARE(file.count(), 2);
        }
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), field("Dairy") + field("Produce"));
    }

    void itemsBelongByExactName_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("items");
        const auto item = [](const char* name) {
            return QString::fromLatin1(field(name));
        };
        QTest::newRow("exact, duplicates kept in file order")
            << u"Fruit"_s.leftJustified(30)
            << QStringList{item("Apples"), item("Pears"), item("Apples")};
        QTest::newRow("other case") << u"FRUIT"_s.leftJustified(30) << QStringList{};
        QTest::newRow("leading blank")
            << u" Fruit"_s.leftJustified(30) << QStringList{item("Figs")};
        QTest::newRow("not a stored form") << u"Fruit"_s << QStringList{};
        QTest::newRow("code page name")
            << u"Cr\u00e8me"_s.leftJustified(30) << QStringList{item("Fraiche")};
    }
    void itemsBelongByExactName() {
        QFETCH(QString, category);
        QFETCH(QStringList, items);
        TestFiles::write(m_dir, u"std_item.lst"_s,
                         TestFiles::itemRecords({{"Fruit", "Apples"},
                                                 {"fruit", "Limes"},
                                                 {"Fruit", "Pears"},
                                                 {" Fruit", "Figs"},
                                                 {"Cr\xe8me", "Fraiche"},
                                                 {"Fruit", "Apples"}}) +
                             "Fruit");
        QCOMPARE(Catalogue(m_dir).itemsOf(category), items);
    }

    void todaysListLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("lone LF") << QByteArray("a\nb") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("no terminator") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("blank and padded lines kept as read")
            << QByteArray("Dairy\xb0 Milk\r\n\r\n  Bakery\xb0 Bread  \r\n")
            << QStringList{u"Dairy\u00b0 Milk"_s, QString(), u"  Bakery\u00b0 Bread  "_s};
        QTest::newRow("CR then CR LF") << QByteArray("a\r\r\n") << QStringList{u"a"_s, QString()};
    }
    void todaysListLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFiles::write(m_dir, u"todays.lst"_s, bytes);
        QCOMPARE(todaysList().read(), lines);
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), bytes);
    }

    void todaysListWrite_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty list") << QStringList{} << QByteArray();
        QTest::newRow("only blank entries") << QStringList{QString(), u"   "_s} << QByteArray();
        QTest::newRow("trimmed, CR LF each")
            << QStringList{u"  Bakery\u00b0 Bread  "_s, QString(), u"Dairy\u00b0 Milk      "_s}
            << QByteArray("Bakery\xb0 Bread\r\nDairy\xb0 Milk\r\n");
        QTest::newRow("tabs are text") << QStringList{u"\tTea\t"_s} << QByteArray("\tTea\t\r\n");
        QTest::newRow("outside the code page")
            << QStringList{u"special\u00b0 \u6885\u5e72"_s} << QByteArray("special\xb0 ??\r\n");
    }
    void todaysListWrite() {
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, bytes);
        TestFiles::write(m_dir, u"todays.lst"_s, "old contents\r\n");
        todaysList().write(entries);
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), bytes);
        QCOMPARE(m_dir.entryList(QDir::Files), QStringList{u"todays.lst"_s});
    }
};

VITTLO_REGISTER_TEST(StoreTest)
#include "tst_store.moc"
