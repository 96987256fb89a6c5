#include "Catalogue.h"
#include "EntryListFile.h"
#include "OrphanPurge.h"
#include "RecipeFiles.h"
#include "TempDirTest.h"
#include "UpgradeMerge.h"

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
