#include "Catalogue.h"
#include "CategoryRecord.h"
#include "EntryListFile.h"
#include "ImportFile.h"
#include "ItemRecord.h"
#include "OrphanPurge.h"
#include "RecipeFiles.h"
#include "TempDirTest.h"
#include "UpgradeMerge.h"
#include "Windows1252.h"

#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestFiles::field;

class StoreTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void recordBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
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
    }

    void itemsBelongByExactName() {
        TestFiles::write(m_dir, u"std_item.lst"_s,
                         TestFiles::items({{"Fruit", "Apples"}, {" Fruit", "Figs"}}) + "Fruit");
        const Catalogue catalogue(m_dir);
        QCOMPARE(catalogue.itemsOf(u" Fruit"_s.leftJustified(30)),
                 QStringList{QString::fromLatin1(field("Figs"))});
        QCOMPARE(catalogue.itemsOf(u"Fruit"_s), QStringList());
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

    void importFields_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fields"); // "line:text", joined by "|"
        QTest::newRow("one a line") << QByteArray("[!]Dairy\r\nmilk\r\n") << u"1:[!]Dairy|2:milk"_s;
        QTest::newRow("commas, quotes, leading blanks and tabs")
            << QByteArray("flour, \"sugar, fine\" , \t\"a\"b\r\n")
            << u"1:flour|1:sugar, fine |1:ab"_s;
        QTest::newRow("empty and blank lines, a trailing comma")
            << QByteArray("\r\n  \r\nx,\r\n") << u"1:|2:|3:x|3:"_s;
        QTest::newRow("CR, LF, last line without terminator")
            << QByteArray("a\rb\nc") << u"1:a|2:b|3:c"_s;
        QTest::newRow("an unclosed quote ends with its line")
            << QByteArray("\"a, b\r\nc") << u"1:a, b|2:c"_s;
    }
    void importFields() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fields);
        QStringList read;
        for (const ImportFile::Field& field : ImportFile::fields(bytes))
            read.append(QString::number(field.line) + u':' + field.text);
        QCOMPARE(read.join(u'|'), fields);
    }

    // Random catalogues with repeated, blank-padded and case-different names, against the
    // record-by-record way of the bulk operations.
    void bulkOperationsMatchRecordByRecord() {
        QRandomGenerator random(7);
        const QList<QByteArray> names{"Dairy", " Dairy", "dairy", "Fish", "", "Fruit"};
        const auto records = [&](int count, bool items) {
            QByteArray bytes;
            for (int i = 0; i < count; ++i)
                bytes += field(names.at(random.bounded(names.size()))) +
                         (items ? field("Item " + QByteArray::number(random.bounded(4))) : "");
            return bytes;
        };
        const auto split = [](const QByteArray& bytes, int size) {
            QList<QByteArray> list;
            for (int at = 0; at + size <= bytes.size(); at += size)
                list.append(bytes.mid(at, size));
            return list;
        };
        for (int round = 0; round < 50; ++round) {
            const QByteArray categories = records(random.bounded(6), false);
            const QByteArray items = records(random.bounded(12), true);
            const QByteArray newCategories = records(random.bounded(6), false);
            const QByteArray newItems = records(1 + random.bounded(8), true);

            QByteArray purged;
            QList<QByteArray> seen;
            for (const QByteArray& category : split(categories, 30)) {
                const QByteArray name = category.trimmed();
                if (seen.contains(name))
                    continue; // a repeated name keeps its items once
                seen.append(name);
                for (const QByteArray& item : split(items, 60))
                    if (item.left(30).trimmed() == name)
                        purged += item;
            }
            const auto merged = [&](const QByteArray& list, const QByteArray& shipped, int size) {
                QByteArray result = list;
                for (const QByteArray& record : split(shipped, size))
                    if (!split(list, size).contains(record))
                        result += record;
                return result;
            };

            TestFiles::writeAll(m_dir,
                                {{u"category.lst"_s, categories}, {u"std_item.lst"_s, items}});
            OrphanPurge::purge(m_dir);
            QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), purged);

            TestFiles::writeAll(m_dir, {{u"category.new"_s, newCategories},
                                        {u"std_item.new"_s, newItems},
                                        {u"std_item.lst"_s, items}});
            const UpgradeMerge upgrade(m_dir);
            QCOMPARE(upgrade.prepare(), !items.isEmpty());
            if (!items.isEmpty())
                upgrade.merge();
            QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), merged(items, newItems, 60));
            QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s),
                     merged(categories, newCategories, 30));
            QCOMPARE(m_dir.entryList({u"*.new"_s}), QStringList{});
        }
    }

    // A copy of the program killed at random moments while it rewrites its files leaves each of
    // them as it was or as it was to be (an append may leave an incomplete record, which reads
    // as nothing), and the next start reads them.
    void killedAtAnyMoment() {
        const QByteArray categories = TestFiles::cats({"Bakery", "Dairy"});
        const QByteArray kept = TestFiles::items({{"Bakery", "Bread"}, {"Dairy", "Milk"}});
        const QList<QByteArray> lines{"A\r\n", "B\r\nC\r\n"};
        const QStringList entries[2]{{u"A"_s}, {u"B"_s, u"C"_s}};
        QRandomGenerator random(11);
        for (int kill = 0; kill < 200; ++kill) {
            TestFiles::writeAll(m_dir, {{u"category.lst"_s, categories},
                                        {u"std_item.lst"_s, kept},
                                        {u"Soup.rcp"_s, lines[0]},
                                        {u"todays.lst"_s, lines[0]}});
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                const Catalogue catalogue(m_dir);
                for (int round = 0;; ++round) {
                    catalogue.addCategory(u"Xtra"_s);
                    catalogue.removeCategory(u"Xtra"_s);
                    catalogue.addItem(u"Dairy"_s, u"Cream"_s);
                    catalogue.removeItem(u"Dairy"_s, u"Cream"_s);
                    catalogue.addItem(u"Gone"_s, u"Tea"_s);
                    OrphanPurge::purge(m_dir);
                    RecipeFiles(m_dir).writeRecipe(u"Soup"_s, entries[round % 2]);
                    EntryListFile(m_dir, u"todays.lst"_s).write(entries[round % 2]);
                }
            }
            QThread::usleep(random.bounded(500, 20000));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const auto oneOf = [&](const QString& name, int record,
                                   const QList<QByteArray>& states) {
                const QByteArray bytes = TestFiles::read(m_dir, name);
                return states.contains(bytes.left(bytes.size() / record * record));
            };
            QVERIFY(oneOf(u"category.lst"_s, 30, {categories, categories + field("Xtra")}));
            QVERIFY(oneOf(u"std_item.lst"_s, 60,
                          {kept, kept + TestFiles::items({{"Dairy", "Cream"}}),
                           kept + TestFiles::items({{"Gone", "Tea"}})}));
            QVERIFY(oneOf(u"Soup.rcp"_s, 1, lines));
            QVERIFY(oneOf(u"todays.lst"_s, 1, lines));
            Catalogue(m_dir).categories(); // throws if it cannot be read
        }
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
