#include "AisleOrder.h"
#include "Catalogue.h"
#include "CatalogueJournal.h"
#include "Entry.h"
#include "EntryListFile.h"
#include "FileError.h"
#include "ImportFile.h"
#include "OrphanPurge.h"
#include "RecipeFiles.h"
#include "ShopList.h"
#include "TempDirTest.h"
#include "TextFile.h"
#include "UpgradeMerge.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestFiles::cats;
using TestFiles::field;
using TestFiles::Files;
using TestFiles::items;

namespace {

// The child's change, over and over until it is killed; a merge runs once.
[[noreturn]] void changeForEver(const QDir& dir, int change, const QStringList (&entries)[2]) {
    const Catalogue catalogue(dir);
    for (int round = 0;; ++round) {
        if (change == 0) {
            catalogue.addCategory(u"Xtra"_s);
            catalogue.removeCategory(u"Xtra"_s);
            catalogue.addItem(u"Dairy"_s, u"Cream"_s);
            catalogue.removeItem(u"Dairy"_s, u"Cream"_s);
            catalogue.addItem(u"Gone"_s, u"Tea"_s);
            OrphanPurge::purge(dir);
            RecipeFiles(dir).writeRecipe(u"Soup"_s, entries[round % 2]);
            EntryListFile(dir, u"todays.lst"_s).write(entries[round % 2]);
        } else if (change == 1) {
            catalogue.renameCategory(round % 2 ? u"Milky"_s : u"Dairy"_s,
                                     round % 2 ? u"Dairy"_s : u"Milky"_s);
        } else if (change == 2) {
            ImportFile::importInto(dir);
        } else {
            const UpgradeMerge upgrade(dir);
            if (upgrade.prepare())
                upgrade.merge();
            ::_exit(0);
        }
    }
}

} // namespace

class StoreTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    // Random catalogues with repeated, blank-padded and case-different names, against the
    // record-by-record way of the bulk operations. Runs are long enough to fill the merge's
    // lookahead.
    void bulkOperationsMatchRecordByRecord() {
        QRandomGenerator random(7);
        const QList<QByteArray> names{"Dairy", " Dairy", "dairy", "Fish", "", "Fruit"};
        const auto records = [&](int least, int most, bool items) {
            QList<QByteArray> list(random.bounded(least, most));
            for (QByteArray& record : list)
                record = field(names.at(random.bounded(names.size()))) +
                         (items ? field("Item " + QByteArray::number(random.bounded(6))) : "");
            return list;
        };
        const auto merged = [](const QList<QByteArray>& list, const QList<QByteArray>& shipped) {
            QByteArray result = list.join();
            for (const QByteArray& record : shipped)
                result += list.contains(record) ? QByteArray() : record;
            return result;
        };
        for (int round = 0; round < 50; ++round) {
            const QList<QByteArray> categories = records(0, 6, false), items = records(0, 40, true);
            const QList<QByteArray> newCategories = records(0, 6, false);
            const QList<QByteArray> newItems = records(1, 40, true);
            QByteArray purged;
            QList<QByteArray> seen;
            for (const QByteArray& category : categories) {
                if (seen.contains(category.trimmed()))
                    continue; // a repeated name keeps its items once
                seen.append(category.trimmed());
                for (const QByteArray& item : items)
                    purged += item.left(30).trimmed() == seen.last() ? item : QByteArray();
            }
            TestFiles::writeAll(
                m_dir, {{u"category.lst"_s, categories.join()}, {u"std_item.lst"_s, items.join()}});
            OrphanPurge::purge(m_dir);
            QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), purged);

            TestFiles::writeAll(m_dir, {{u"category.new"_s, newCategories.join()},
                                        {u"std_item.new"_s, newItems.join()},
                                        {u"std_item.lst"_s, items.join()}});
            const UpgradeMerge upgrade(m_dir);
            QCOMPARE(upgrade.prepare(), !items.isEmpty());
            if (!items.isEmpty())
                upgrade.merge();
            QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), merged(items, newItems));
            QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), merged(categories, newCategories));
            QCOMPARE(m_dir.entryList({u"*.new"_s}), QStringList{});
        }
    }

    // import.txt read and appended, or refused with nothing changed: "?" when characters were
    // stored as "?", or the start of the refusal.
    void import_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<Files>("after");
        QTest::addColumn<QString>("outcome");
        // Fields split at commas, quotes, CR, LF and CR LF; leading blanks and tabs go; a quote
        // left open ends with its line. An incomplete record at a list's end is cut off.
        QTest::newRow("fields") << Files{{u"category.lst"_s, cats({"Fish"}) + "Fi"},
                                         {u"import.txt"_s,
                                          "[!]Dairy\r\nmilk, \"sour, cream\" , \t\"a\"b\rx,\n\"c, "
                                          "d\r\n[!]Bakery\r\nbread"}}
                                << Files{{u"category.lst"_s, cats({"Fish", "Dairy", "Bakery"})},
                                         {u"std_item.lst"_s, items({{"Dairy", "milk"},
                                                                    {"Dairy", "sour, cream "},
                                                                    {"Dairy", "ab"},
                                                                    {"Dairy", "x"},
                                                                    {"Dairy", ""},
                                                                    {"Dairy", "c, d"},
                                                                    {"Bakery", "bread"}})}}
                                << QString();
        QTest::newRow("an item before the first heading")
            << Files{{u"import.txt"_s, "\r\nmilk\r\n[!]Dairy\r\n"}}
            << Files{{u"category.lst"_s, "<missing>"}, {u"std_item.lst"_s, "<missing>"}}
            << u"Line 1 of IMPORT.TXT holds an item before the first [!]Category heading."_s;
        // UTF-8, with a byte-order mark or without, reads as the same text as Windows-1252;
        // names are cut at 30 characters, not bytes.
        const QByteArray cafe =
            "[!]Caf\xc3\xa9\r\n" + QByteArray(31 * 2, 'x').replace("xx", "\xc3\xa9");
        const Files cut{{u"category.lst"_s, cats({"Caf\xe9"})},
                        {u"std_item.lst"_s, items({{"Caf\xe9", QByteArray(30, '\xe9')}})}};
        const QByteArray bom = "\xef\xbb\xbf";
        QTest::newRow("UTF-8") << Files{{u"import.txt"_s, cafe}} << cut << QString();
        QTest::newRow("UTF-8, marked") << Files{{u"import.txt"_s, bom + cafe}} << cut << QString();
        QTest::newRow("Windows-1252")
            << Files{{u"import.txt"_s, "[!]Caf\xe9\r\n" + QByteArray(31, '\xe9')}} << cut
            << QString();
        QTest::newRow("UTF-8, marked, all ASCII")
            << Files{{u"import.txt"_s, bom + "[!]Fish"}}
            << Files{{u"category.lst"_s, cats({"Fish"})}} << QString();
        QTest::newRow("UTF-8, marked, a byte that is not")
            << Files{{u"import.txt"_s, bom + "[!]Caf\xe9"}}
            << Files{{u"category.lst"_s, cats({"Caf?"})}} << u"?"_s;
        // IMPORT.TXT in any case; "import.txt" itself where several are.
        const Files fish{{u"category.lst"_s, cats({"Fish"})}};
        QTest::newRow("Import.txt") << Files{{u"Import.txt"_s, "[!]Fish"}} << fish << QString();
        QTest::newRow("import.txt and IMPORT.TXT")
            << Files{{u"import.txt"_s, "[!]Fish"}, {u"IMPORT.TXT"_s, "[!]Meat"}} << fish
            << QString();
        QTest::newRow("IMPORT.TXT and Import.txt")
            << Files{{u"IMPORT.TXT"_s, "[!]Fish"}, {u"Import.txt"_s, "[!]Meat"}}
            << Files{{u"category.lst"_s, "<missing>"}} << u"Several files could be IMPORT.TXT: "_s;
    }
    void import() {
        QFETCH(Files, files);
        QFETCH(Files, after);
        QFETCH(QString, outcome);
        TestFiles::writeAll(m_dir, files);
        const ImportFile::Text text = ImportFile::read(m_dir);
        const QString problem =
            text.problem.isEmpty() ? ImportFile::importInto(m_dir, text.bytes) : text.problem;
        const QString came = text.lossy ? u"?"_s : problem;
        QVERIFY2(outcome.isEmpty() ? came.isEmpty() : came.startsWith(outcome), qPrintable(came));
        TestFiles::verifyAll(m_dir, after);
    }

    // A line of a list read as its parts: the category only before a degree sign and a blank
    // within the first 31 characters. One with a category is written back as it was read.
    void entries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parts"); // "one-time ", then "category|", then the item
        const QString y30(30, u'y');
        const QString z30(30, u'z');
        QTest::newRow("category") << u"Dairy\u00b0 Milk"_s << u"Dairy|Milk"_s;
        QTest::newRow("blanks") << u"  Fish\u00b0  Cod  "_s << u"Fish| Cod"_s;
        QTest::newRow("none") << u" bread rolls "_s << u"bread rolls"_s;
        QTest::newRow("no blank after") << u"Pizza 180\u00b0C"_s << u"Pizza 180\u00b0C"_s;
        QTest::newRow("at the end") << u"Dairy\u00b0 "_s << u"Dairy\u00b0"_s;
        QTest::newRow("the first") << u"Pizza 180\u00b0C\u00b0 hot"_s << u"Pizza 180\u00b0C|hot"_s;
        QTest::newRow("60 characters") << y30 + u"\u00b0 "_s + z30 << y30 + u'|' + z30;
        QTest::newRow("too far") << y30 + u"y\u00b0 z"_s << y30 + u"y\u00b0 z"_s;
        QTest::newRow("one-time") << u"special\u00b0 eggs"_s << u"one-time special|eggs"_s;
        QTest::newRow("one-time, case") << u"Special\u00b0 eggs"_s << u"Special|eggs"_s;
    }
    void entries() {
        QFETCH(QString, text);
        QFETCH(QString, parts);
        const Entry entry(text);
        QCOMPARE((entry.isOneTime() ? u"one-time "_s : QString()) +
                     (entry.hasCategory() ? entry.category() + u'|' : QString()) + entry.item(),
                 parts);
        if (entry.hasCategory())
            QCOMPARE(Entry::ofCategory(u" "_s + entry.category() + u' ', entry.item()).text(),
                     text.trimmed());
    }

    // The shops file as a person may have mended it: each line a sign, a blank and a name kept
    // as it stands, less blanks at its end. Read, written back and read again, it is the same;
    // a line of another kind is the file damaged, told by its number.
    void shopsFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shops"); // "picked|shop:+sold,-not sold|..." or "Line N"
        QTest::newRow("names with signs and blanks")
            << QByteArray("= [Market]\r\n+ - Fish\r\n- [Deli]\r\n\r\n=  Stall  \r\n>  Stall\r\n")
            << u" Stall|[Market]:+- Fish,-[Deli]| Stall:"_s;
        QTest::newRow("an aisle twice, a pick of no shop")
            << QByteArray("> B\r\n= A\r\n+ x\r\n- x\r\n") << u"|A:+x"_s;
        QTest::newRow("an aisle before any shop") << QByteArray("+ x\r\n= A\r\n") << u"Line 1"_s;
        QTest::newRow("a shop twice") << QByteArray("= A\r\n+ x\r\n= A\r\n") << u"Line 3"_s;
        QTest::newRow("two picks") << QByteArray("> A\r\n= A\r\n> A\r\n") << u"Line 3"_s;
        QTest::newRow("no blank after the sign") << QByteArray("= A\r\n+x\r\n") << u"Line 2"_s;
        QTest::newRow("no name") << QByteArray("= A\r\n+   \r\n") << u"Line 2"_s;
        QTest::newRow("another sign") << QByteArray("= A\r\n* x\r\n") << u"Line 2"_s;
        QTest::newRow("1 MB") << QByteArray(1 << 19, '\n').replace("\n", "\r\n") << u""_s;
        QTest::newRow("a byte over 1 MB")
            << QByteArray((1 << 20) + 1, ' ') << u"The file is larger than 1 MB"_s;
        // Written with CR LF, 1 MB of lines that end in LF alone no longer fits.
        QByteArray aisles = "= A\n";
        for (int i = 0; aisles.size() < 1 << 20; ++i)
            aisles += "+ " + QByteArray::number(100000 + i) + '\n';
        QTest::newRow("1 MB that would be written longer")
            << aisles << u"The shops and their aisles would take more than 1 MB"_s;
    }
    void shopsFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, shops);
        TestFiles::write(m_dir, u"shops.lst"_s, file);
        try {
            const ShopList read = ShopList::read(m_dir);
            QStringList shown{read.picked};
            for (const Shop& shop : read.shops) {
                QStringList aisles;
                for (const QString& aisle : shop.aisles)
                    aisles.append((shop.notSold.contains(aisle) ? u"-"_s : u"+"_s) + aisle);
                shown.append(shop.name + u':' + aisles.join(u','));
            }
            read.write(m_dir);
            QCOMPARE(shown.join(u'|'), shops);
            QCOMPARE(ShopList::read(m_dir), read);
        } catch (const FileError& error) {
            QVERIFY2(!shops.isEmpty() && error.message().startsWith(shops),
                     qPrintable(error.message()));
            QCOMPARE(TestFiles::read(m_dir, u"shops.lst"_s), file);
        }
    }

    // A text file is read up to the size limit; one byte more is refused before it is read. So
    // is an earlier version's aisles.lst of more than 1 MB.
    void textFilesUpToTheLimit() {
        QFile file(m_dir.filePath(u"Soup.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(TextFile::LargestRead));
        QCOMPARE(TextFile::read(m_dir, u"Soup.txt"_s).size(), TextFile::LargestRead);
        QVERIFY(file.resize(TextFile::LargestRead + 1));
        QVERIFY_THROWS_EXCEPTION(FileError, TextFile::read(m_dir, u"Soup.txt"_s));
        QVERIFY(file.rename(m_dir.filePath(u"aisles.lst"_s)) &&
                file.resize(AisleOrder::LargestFile + 1));
        QVERIFY_THROWS_EXCEPTION(FileError, AisleOrder(m_dir).read());
    }

    // A journal is checked whole before any of it is applied: one the program wrote is
    // finished, one it did not write is set aside untouched (never over an earlier one), and
    // one that cannot be finished stays. Scratch files no journal names go.
    void journals_data() {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<Files>("before");
        QTest::addColumn<Files>("after"); // besides the lists, as before unless named
        QTest::addColumn<QString>("outcome");
        const auto checked = [](const QByteArray& lines) {
            const QByteArray journal = "vittlo catalogue journal 2\n" + lines;
            return journal + "check " +
                   QCryptographicHash::hash(journal, QCryptographicHash::Sha256).toHex() + '\n';
        };
        const QByteArray cut = "append category.lst 30 \nappend std_item.lst 60 4669\n";
        const Files appended{{u"category.lst"_s, cats({"Bakery", "Fish"}) + "Fr"},
                             {u"std_item.lst"_s, items({{"Bakery", "Bread"}, {"Fish", "Cod"}})}};
        const Files takenBack{{u"category.lst"_s, cats({"Bakery"})},
                              {u"std_item.lst"_s, items({{"Bakery", "Bread"}}) + "Fi"}};
        QTest::newRow("appends taken back")
            << checked(cut) << appended << takenBack << u"applied"_s;
        // Version 1.1 wrote no check line, which only renames can do without.
        const QByteArray renames =
            "rename category.tmp category.lst\nrename std_item.tmp std_item.lst\n";
        for (const QByteArray& journal :
             {checked(renames), "vittlo catalogue journal 1\n" + renames})
            QTest::newRow(journal.contains("check") ? "renames, one done already"
                                                    : "renames written by version 1.1")
                << journal << Files{{u"category.tmp"_s, cats({"Dairy"})}}
                << Files{{u"category.lst"_s, cats({"Dairy"})}, {u"category.tmp"_s, "<missing>"}}
                << u"applied"_s;
        // Written through, as todays.lst is.
        QTest::newRow("a list through a link")
            << checked("append std_item.lst 0 \n")
            << Files{{u"std_item.lst"_s, "<link other.lst>"}, {u"other.lst"_s, "x"}}
            << Files{{u"std_item.lst"_s, "<link other.lst>"}, {u"other.lst"_s, ""}} << u"applied"_s;
        QTest::newRow("no journal: scratch files of a killed rewrite go")
            << QByteArray("<missing>")
            << Files{{u"category.tmp"_s, cats({"Dairy"})}, {u"std_item.tmp"_s, "x"}}
            << Files{{u"category.tmp"_s, "<missing>"}, {u"std_item.tmp"_s, "<missing>"}}
            << u"applied"_s;
        QTest::newRow("cannot be finished: it stays, with its scratch file")
            << checked("rename std_item.tmp std_item.lst\n")
            << Files{{u"std_item.tmp"_s, items({{"Dairy", "Cream"}})}, {u"std_item.lst"_s, "<dir>"}}
            << Files{{u"std_item.tmp"_s, items({{"Dairy", "Cream"}})}, {u"std_item.lst"_s, "<dir>"}}
            << u"kept"_s;
        const QList<std::pair<const char*, QByteArray>> foreign{
            {"appends written by version 1.1", "vittlo catalogue journal 1\n" + cut},
            {"a damaged length", "vittlo catalogue journal 1\nappend std_item.lst 0 \n"
                                 "append category.lst 3x0 \n"},
            {"a length past the end", checked("append category.lst 90 \n")},
            {"a length within a record", checked("append category.lst 15 \n")},
            {"a signed length", checked("append category.lst +30 \n")},
            {"a tail that is no hex", checked("append category.lst 0 zz\n")},
            {"a tail of a whole record",
             checked("append category.lst 0 " + QByteArray(30, 'a').toHex() + '\n')},
            {"another file renamed", checked("rename todays.lst category.lst\n")},
            {"another file cut", checked("append todays.lst 0 \n")},
            {"a path", checked("append ../category.lst 0 \n")},
            {"a file twice", checked("append category.lst 30 \nappend category.lst 0 \n")},
            {"an append and a rename", checked("append category.lst 0 \nrename category.tmp "
                                               "category.lst\n")},
            {"an unknown version", "vittlo catalogue journal 3\nappend category.lst 0 \n"},
            {"no check line", "vittlo catalogue journal 2\nappend category.lst 0 \n"},
            {"a damaged check", checked("append category.lst 30 \n").replace("30", "0")},
            {"no end of line", checked("append category.lst 30 \n").chopped(1)},
        };
        // What it names stays beside it, through the starts after.
        for (const auto& [name, journal] : foreign) {
            Files before{{u"category.tmp"_s, "x"}};
            if (qstrcmp(name, "an unknown version") == 0)
                before = {{u"catalogue.jnl.unapplied"_s, "earlier"}};
            Files after = before;
            if (!journal.contains("category.tmp") && before.contains(u"category.tmp"_s))
                after.insert(u"category.tmp"_s, "<missing>");
            after.insert(qstrcmp(name, "an unknown version") == 0 ? u"catalogue.jnl.unapplied.2"_s
                                                                  : u"catalogue.jnl.unapplied"_s,
                         journal);
            QTest::newRow(name) << journal << before << after << u"set aside"_s;
        }
    }
    void journals() {
        QFETCH(QByteArray, journal);
        QFETCH(Files, before);
        QFETCH(Files, after);
        QFETCH(QString, outcome);
        const Files lists{{u"category.lst"_s, cats({"Bakery", "Dairy"})},
                          {u"std_item.lst"_s, items({{"Dairy", "Milk"}})},
                          {u"todays.lst"_s, "A\r\n"}};
        TestFiles::writeAll(m_dir, lists);
        for (auto file = before.cbegin(); file != before.cend(); ++file)
            QFile::remove(m_dir.filePath(file.key()));
        TestFiles::writeAll(m_dir, before);
        if (journal != "<missing>")
            TestFiles::writeAll(m_dir, {{u"catalogue.jnl"_s, journal}});
        bool thrown = false;
        try {
            CatalogueJournal::recover(m_dir);
        } catch (const FileError& error) {
            thrown = true;
            QCOMPARE(error.fileName(), outcome == u"kept" ? u"std_item.lst"_s : u"catalogue.jnl"_s);
            QCOMPARE(error.text().contains(u"kept beside it: category.tmp"_s),
                     after.value(u"category.tmp"_s) == "x");
        }
        // Set aside, it is not met again; kept, it stops every change of the catalogue.
        if (outcome == u"set aside")
            CatalogueJournal::recover(m_dir);
        QCOMPARE(thrown, outcome != u"applied");
        Files expected = lists;
        expected.insert(after);
        expected.insert(u"catalogue.jnl"_s, outcome == u"kept" ? journal : "<missing>");
        TestFiles::verifyAll(m_dir, expected);
        if (outcome == u"kept") {
            QVERIFY_THROWS_EXCEPTION(FileError, Catalogue(m_dir).addCategory(u"Fish"_s));
            QVERIFY_THROWS_EXCEPTION(FileError, ImportFile::importInto(m_dir, "[!]Fish\r\n"));
            TestFiles::verifyAll(m_dir, expected);
            QVERIFY(TestFiles::change(m_dir, u"rm std_item.lst"_s));
            QCOMPARE(ImportFile::importInto(m_dir, "[!]Fish\r\n"), QString());
            TestFiles::verifyAll(m_dir, {{u"category.lst"_s, cats({"Bakery", "Dairy", "Fish"})},
                                         {u"std_item.lst"_s, items({{"Dairy", "Cream"}})},
                                         {u"std_item.tmp"_s, "<missing>"},
                                         {u"catalogue.jnl"_s, "<missing>"}});
        }
    }

    // A copy of the program killed at random moments while it changes its files leaves each of
    // them as it was or as it was to be (an append may leave an incomplete record, which reads
    // as nothing), and the next start reads them. A change of both catalogue files is whole or
    // not at all once the next start has looked at its journal: no item is without its
    // category, and the counts are the old or the new ones. VITTLO_KILLS sets the kills of each
    // change (40 unless set; CI's sanitizer pass makes more).
    void killedAtAnyMoment_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("rewrites of the catalogue, a recipe and Today's List") << 0;
        QTest::newRow("Edit Cat") << 1;
        QTest::newRow("import") << 2;
        QTest::newRow("first installation") << 3;
        QTest::newRow("upgrade merge") << 4;
    }
    void killedAtAnyMoment() {
        QFETCH(int, change);
        const QByteArray categories = TestFiles::cats({"Bakery", "Dairy"});
        const QByteArray kept = TestFiles::items({{"Bakery", "Bread"}, {"Dairy", "Milk"}});
        QByteArray shipped;
        for (int i = 0; i < 100; ++i)
            shipped += TestFiles::items({{"Fish", "Cod " + QByteArray::number(i)}});
        const QList<QByteArray> lines{"A\r\n", "B\r\nC\r\n"};
        const QStringList entries[2]{{u"A"_s}, {u"B"_s, u"C"_s}};
        // An import long enough that its items are written in runs before its categories, so
        // that many kills find it half-written.
        QByteArray imported;
        for (int i = 0; i < 1000; ++i)
            imported += "[!]Fish " + QByteArray::number(i) + "\r\n" +
                        QByteArray("cod, ").repeated(49) + "hake\r\n";
        QRandomGenerator random(11);
        const int kills = qEnvironmentVariableIntValue("VITTLO_KILLS");
        for (int kill = 0; kill < (kills > 0 ? kills : 40); ++kill) {
            TestFiles::writeAll(m_dir, {{u"category.lst"_s, categories},
                                        {u"std_item.lst"_s, change == 3 ? QByteArray() : kept},
                                        {u"category.new"_s, TestFiles::cats({"Fish"})},
                                        {u"std_item.new"_s, shipped},
                                        {u"import.txt"_s, imported},
                                        {u"Soup.rcp"_s, lines[0]},
                                        {u"todays.lst"_s, lines[0]}});
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0)
                changeForEver(m_dir, change, entries);
            // A merge runs once: the kill comes while it runs, or about then.
            QThread::usleep(change >= 3 ? random.bounded(0, 4000) : random.bounded(500, 20000));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const auto oneOf = [&](const QString& name, int record,
                                   const QList<QByteArray>& states) {
                const QByteArray bytes = TestFiles::read(m_dir, name);
                return states.contains(bytes.left(bytes.size() / record * record));
            };
            QVERIFY(oneOf(u"Soup.rcp"_s, 1, lines));
            QVERIFY(oneOf(u"todays.lst"_s, 1, lines));
            CatalogueJournal::recover(m_dir); // as the next start does
            const QByteArray cats = TestFiles::read(m_dir, u"category.lst"_s);
            const QByteArray items = TestFiles::read(m_dir, u"std_item.lst"_s);
            if (change == 0) {
                QVERIFY(oneOf(u"category.lst"_s, 30, {categories, categories + field("Xtra")}));
                QVERIFY(oneOf(u"std_item.lst"_s, 60,
                              {kept, kept + TestFiles::items({{"Dairy", "Cream"}}),
                               kept + TestFiles::items({{"Gone", "Tea"}})}));
            } else {
                QSet<QByteArray> names;
                for (qsizetype at = 0; at < cats.size(); at += 30)
                    names.insert(cats.mid(at, 30));
                for (qsizetype at = 0; at < items.size(); at += 60)
                    QVERIFY2(names.contains(items.mid(at, 30)), items.mid(at, 30).constData());
                QVERIFY(cats.size() % 30 == 0 && items.size() % 60 == 0);
                // Categories and items, as they were or are to be.
                const std::pair<qsizetype, qsizetype> counts(cats.size() / 30, items.size() / 60);
                const QList<std::pair<qsizetype, qsizetype>> states[] = {
                    {},
                    {{2, 2}},
                    {{counts.first, 2 + 50 * (counts.first - 2)}},
                    {{2, 0}, {3, 100}},
                    {{2, 2}, {3, 102}}};
                QVERIFY2(states[change].contains(counts),
                         qPrintable(u"%1 %2"_s.arg(counts.first).arg(counts.second)));
            }
            Catalogue(m_dir).categories(); // throws if it cannot be read
        }
    }

    // A disk that fills up half-way (a file may grow to 1,000 bytes only): the change fails,
    // both list files are as they were, and no scratch file or journal is left behind.
    void fullDisk_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("purge") << 0;
        QTest::newRow("Edit Cat") << 1;
        QTest::newRow("import") << 2;
        QTest::newRow("upgrade merge") << 3;
    }
    void fullDisk() {
        QFETCH(int, change);
        QByteArray items;
        for (int i = 0; i < 30; ++i)
            items += TestFiles::items({{"Dairy", "Item " + QByteArray::number(i)}});
        const TestFiles::Files before{{u"category.lst"_s, TestFiles::cats({"Bakery", "Dairy"})},
                                      {u"std_item.lst"_s, items},
                                      {u"category.new"_s, TestFiles::cats({"Fish"})},
                                      {u"std_item.new"_s, TestFiles::items({{"Fish", "Cod"}})},
                                      {u"import.txt"_s, "[!]Fish\r\ncod\r\nhake\r\n"}};
        TestFiles::writeAll(m_dir, before);
        rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{1000, limit.rlim_max};
        const auto ignored = ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &full);
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, ignored);
        });
        const auto attempt = [&] {
            if (change == 0)
                OrphanPurge::purge(m_dir);
            else if (change == 1)
                Catalogue(m_dir).renameCategory(u"Dairy"_s, u"Milky"_s);
            else if (change == 2)
                ImportFile::importInto(m_dir);
            else if (UpgradeMerge(m_dir).prepare())
                UpgradeMerge(m_dir).merge();
        };
        QVERIFY_THROWS_EXCEPTION(FileError, attempt());
        TestFiles::verifyAll(m_dir, before);
        QCOMPARE(m_dir.entryList({u"*.tmp"_s, u"*.jnl"_s}).join(u' '), QString());
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
