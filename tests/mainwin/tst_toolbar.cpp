#include "ListBox.h"
#include "MainScreen.h"
#include "ScriptedDialogs.h"
#include "TempDirTest.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WindowDriver.h"

#include <QAction>
#include <QDate>
#include <QGuiApplication>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;
using TestFiles::categoryRecords;
using TestFiles::field;
using TestFiles::itemRecords;

namespace {

const QString NothingToDo = u"Nothing to do!"_s;

QString padded(const QString& name) {
    return name.leftJustified(30, u' ', true);
}

QByteArray missing() {
    return QByteArray("<missing>");
}

} // namespace

class ToolbarTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void newCategory_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("after");
        const QByteArray dairy = categoryRecords({"Dairy"});
        QTest::newRow("new") << dairy << u"Produce"_s << dairy + field("Produce");
        QTest::newRow("other case") << dairy << u"dAIRY"_s << dairy;
        QTest::newRow("blanks around") << dairy << u"  Dairy "_s << dairy;
        QTest::newRow("leading blanks kept") << dairy << u" Fish"_s << dairy + field(" Fish");
        QTest::newRow("40 characters") << dairy << u"Frozen Foods and Ice Cream Treats Galore"_s
                                       << dairy + QByteArray("Frozen Foods and Ice Cream Tre");
        QTest::newRow("three blanks") << dairy << u"   "_s << dairy + QByteArray(30, ' ');
        QTest::newRow("three blanks again")
            << dairy + QByteArray(30, ' ') << u"   "_s << dairy + QByteArray(30, ' ');
        QTest::newRow("over an incomplete tail")
            << dairy + "Bak" << u"Bakery"_s << dairy + field("Bakery");
        QTest::newRow("no file yet") << missing() << u"Dairy"_s << dairy;
        QTest::newRow("cancelled") << dairy << QString() << dairy;
    }
    void newCategory() {
        QFETCH(QByteArray, before);
        QFETCH(QString, answer);
        QFETCH(QByteArray, after);
        if (before != missing())
            TestFiles::write(m_dir, u"category.lst"_s, before);
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        const bool picked = before != missing();
        if (picked)
            screen.click(u"CatList"_s, 0);
        else
            QVERIFY(m_dir.remove(u"category.lst"_s));
        dialogs.answerInput(answer);
        screen.trigger(u"tbNewCat"_s);
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), after);
        dialogs.verifyInput(0, u"New category name..."_s, u"New Category"_s);
        QCOMPARE(screen.entries(u"CatList"_s).size(), after.size() / 30);
        // Reloaded, nothing selected, unless the command was cancelled.
        QCOMPARE(screen.currentRow(u"CatList"_s), picked && answer.isEmpty() ? 0 : -1);
    }

    void editCategoryMovesItsItems() {
        TestFiles::write(m_dir, u"category.lst"_s, categoryRecords({"Bakery", "Dairy", "Dairy"}));
        TestFiles::write(m_dir, u"std_item.lst"_s,
                         itemRecords({{"Dairy", "Milk"}, {"dairy", "Cream"}, {"Dairy", "Butter"}}));
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        screen.click(u"StdList"_s, 0);
        dialogs.answerInput(u"Milk Products"_s);
        screen.trigger(u"tbEditCat"_s);
        dialogs.verifyInput(0, u"Change category name..."_s, u"New Category"_s, padded(u"Dairy"_s));
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s),
                 categoryRecords({"Bakery", "Milk Products", "Dairy"}));
        QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s),
                 itemRecords(
                     {{"Milk Products", "Milk"}, {"dairy", "Cream"}, {"Milk Products", "Butter"}}));
        QVERIFY(screen.entries(u"StdList"_s).isEmpty());
        QCOMPARE(screen.currentRow(u"CatList"_s), -1);
        QCOMPARE(screen.editText(u"CatEdit"_s), padded(u"Dairy"_s));
        QCOMPARE(screen.editText(u"StdEdit"_s), QString());
        // The renamed category lists the moved items.
        screen.click(u"CatList"_s, 2);
        QCOMPARE(screen.entries(u"StdList"_s),
                 (QStringList{padded(u"Butter"_s), padded(u"Milk"_s)}));
    }

    void refusalsWhenNothingIsPicked_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        QTest::newRow("Edit Cat") << u"tbEditCat"_s << u"Please pick a category to edit."_s;
        QTest::newRow("Del Cat") << u"tbDeleteCat"_s << u"Please pick a category to delete."_s;
        QTest::newRow("New Item") << u"tbNewItem"_s
                                  << u"Please pick a category, then add an item to it."_s;
        QTest::newRow("Del Item") << u"tbDeleteItem"_s
                                  << u"Please pick an item (on the left) to delete."_s;
        QTest::newRow("Print") << u"tbPrint"_s << u"Please build a list to print."_s;
        QTest::newRow("File menu Print") << u"Menu_Print"_s << u"Please build a list to print."_s;
    }
    void refusalsWhenNothingIsPicked() {
        QFETCH(QString, key);
        QFETCH(QString, message);
        writeCatalogue();
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        dialogs.answerMessage(Dialogs::Ok);
        screen.trigger(key);
        QCOMPARE(dialogs.shown().size(), 1);
        dialogs.verifyMessage(0, message, NothingToDo, 304);
        QVERIFY(screen.printout().documents().isEmpty());
    }

    void deleteCategory_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Yes: every record of the name")
            << int(Dialogs::Yes) << categoryRecords({"Bakery"});
        QTest::newRow("No") << int(Dialogs::No)
                            << categoryRecords({"Dairy", "Bakery", "Dairy"}) + "tail";
    }
    void deleteCategory() {
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        TestFiles::write(m_dir, u"category.lst"_s,
                         categoryRecords({"Dairy", "Bakery", "Dairy"}) + "tail");
        const QByteArray items = itemRecords({{"Dairy", "Milk"}});
        TestFiles::write(m_dir, u"std_item.lst"_s, items);
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        dialogs.answerMessage(answer);
        screen.trigger(u"tbDeleteCat"_s);
        dialogs.verifyMessage(0, u"Delete Category: Dairy ?"_s, u"Confirm"_s, 276);
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), after);
        QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), items);
        QVERIFY(!m_dir.exists(u"category.tmp"_s));
        if (answer == Dialogs::No)
            return;
        QCOMPARE(screen.editText(u"CatEdit"_s), QString());
        QVERIFY(screen.entries(u"StdList"_s).isEmpty());
        // Another Del Cat has nothing picked; New Cat brings the items back.
        dialogs.answerMessage(Dialogs::Ok);
        screen.trigger(u"tbDeleteCat"_s);
        QCOMPARE(dialogs.shown().last().text, u"Please pick a category to delete."_s);
        dialogs.answerInput(u"Dairy"_s);
        screen.trigger(u"tbNewCat"_s);
        screen.click(u"CatList"_s, 1);
        QCOMPARE(screen.entries(u"StdList"_s), QStringList{padded(u"Milk"_s)});
    }

    void deletingTheOnlyCategoryLeavesAnEmptyFile() {
        TestFiles::write(m_dir, u"category.lst"_s, categoryRecords({"Dairy"}));
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 0);
        dialogs.answerMessage(Dialogs::Yes);
        screen.trigger(u"tbDeleteCat"_s);
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), QByteArray());
        QVERIFY(screen.entries(u"CatList"_s).isEmpty());
    }

    void aFailedRewriteLeavesTheCatalogue() {
        const QByteArray categories = categoryRecords({"Dairy", "Bakery"});
        TestFiles::write(m_dir, u"category.lst"_s, categories);
        QVERIFY(m_dir.mkdir(u"category.tmp"_s));
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        dialogs.answerMessage(Dialogs::Yes);
        dialogs.answerMessage(Dialogs::Ok);
        screen.trigger(u"tbDeleteCat"_s);
        QCOMPARE(dialogs.shown().last().title, u"File Error"_s);
        QVERIFY(dialogs.shown().last().text.startsWith(u"category.tmp\n\n"_s));
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), categories);
        QCOMPARE(screen.entries(u"CatList"_s).size(), 2);
        QCOMPARE(screen.editText(u"CatEdit"_s), padded(u"Dairy"_s));
    }

    void newItem_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("held already") << 1 << u"Milk"_s << QByteArray();
        QTest::newRow("other case") << 1 << u"milk"_s << field("Dairy") + field("milk");
        QTest::newRow("other category") << 0 << u"Milk"_s << field("Bakery") + field("Milk");
        QTest::newRow("blanks kept") << 1 << u" Milk "_s << field("Dairy") + field(" Milk");
        QTest::newRow("40 characters held already")
            << 1 << u"Yoghurt with strawberries and a bit of cream"_s << QByteArray();
        QTest::newRow("only blanks") << 1 << u"   "_s << QByteArray();
        QTest::newRow("cancelled") << 1 << QString() << QByteArray();
    }
    void newItem() {
        QFETCH(int, category);
        QFETCH(QString, answer);
        QFETCH(QByteArray, added);
        const QByteArray items =
            itemRecords({{"Dairy", "Milk"}, {"Dairy", "Yoghurt with strawberries and a bit"}});
        TestFiles::write(m_dir, u"category.lst"_s, categoryRecords({"Bakery", "Dairy"}));
        TestFiles::write(m_dir, u"std_item.lst"_s, items + "tail");
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"TmpList"_s, 0);
        screen.click(u"CatList"_s, category);
        dialogs.answerInput(answer);
        screen.trigger(u"tbNewItem"_s);
        const QString picked = screen.entries(u"CatList"_s).at(category);
        dialogs.verifyInput(0, u"New item for category: "_s + picked, u"New item"_s);
        QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s),
                 items + (added.isEmpty() ? "tail" : added));
        if (Blanks(answer))
            return;
        QCOMPARE(screen.currentRow(u"TmpList"_s), -1);
        const int count = screen.entries(u"StdList"_s).size();
        QCOMPARE(screen.statusText(u"sb_cat"_s), u" %1 Items: "_s.arg(count) + picked);
    }

    void newItemCreatesTheItemFile() {
        TestFiles::write(m_dir, u"category.lst"_s, categoryRecords({"Dairy"}));
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 0);
        QVERIFY(m_dir.remove(u"std_item.lst"_s));
        dialogs.answerInput(u"Milk"_s);
        screen.trigger(u"tbNewItem"_s);
        QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), itemRecords({{"Dairy", "Milk"}}));
        QCOMPARE(screen.entries(u"StdList"_s), QStringList{padded(u"Milk"_s)});
    }

    void deleteItem_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        const QByteArray bakeryMilk = itemRecords({{"Bakery", "Milk"}});
        const QByteArray butter = itemRecords({{"Dairy", "Butter"}});
        QTest::newRow("Yes: both records of the item") << int(Dialogs::Yes) << bakeryMilk + butter;
        QTest::newRow("No") << int(Dialogs::No)
                            << itemRecords({{"Dairy", "Milk"}}) + bakeryMilk + butter +
                                   itemRecords({{"Dairy", "Milk"}});
    }
    void deleteItem() {
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        TestFiles::write(m_dir, u"category.lst"_s, categoryRecords({"Bakery", "Dairy"}));
        TestFiles::write(
            m_dir, u"std_item.lst"_s,
            itemRecords(
                {{"Dairy", "Milk"}, {"Bakery", "Milk"}, {"Dairy", "Butter"}, {"Dairy", "Milk"}}));
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        screen.click(u"StdList"_s, 1);
        dialogs.answerMessage(answer);
        screen.trigger(u"tbDeleteItem"_s);
        dialogs.verifyMessage(0, u"Delete Item: Dairy Milk ?"_s, u"Confirm"_s, 308);
        QCOMPARE(TestFiles::read(m_dir, u"std_item.lst"_s), after);
        QVERIFY(!m_dir.exists(u"std_item.tmp"_s));
        if (answer == Dialogs::No)
            return;
        QCOMPARE(screen.entries(u"StdList"_s), QStringList{padded(u"Butter"_s)});
        QCOMPARE(screen.statusText(u"sb_cat"_s), u"1 Items: "_s + padded(u"Dairy"_s));
        QCOMPARE(screen.editText(u"StdEdit"_s), QString());
    }

    void oneTimeItem_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("blanks kept")
            << u"  eggs  "_s << QStringList{u"A"_s, u"special\u00b0   eggs  "_s, u"Z"_s};
        QTest::newRow("cancelled") << QString() << QStringList{u"A"_s, u"Z"_s};
    }
    void oneTimeItem() {
        QFETCH(QString, answer);
        QFETCH(QStringList, entries);
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\nZ\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        dialogs.answerInput(answer);
        screen.trigger(u"tbSpecial"_s);
        dialogs.verifyInput(0, u"Special item..."_s, u"One-time item"_s);
        QCOMPARE(screen.entries(u"TmpList"_s), entries);
        QCOMPARE(screen.statusText(u"sb_today"_s),
                 u"%1 Items: Today's List       "_s.arg(entries.size()));
        QCOMPARE(screen.currentRow(u"TmpList"_s), answer.isEmpty() ? -1 : 1);
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), QByteArray("A\r\nZ\r\n"));
    }

    void clear_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("Yes") << int(Dialogs::Yes) << true;
        QTest::newRow("Yes, no file") << int(Dialogs::Yes) << false;
        QTest::newRow("No") << int(Dialogs::No) << true;
    }
    void clear() {
        QFETCH(int, answer);
        QFETCH(bool, fileThere);
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\nB\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        if (!fileThere)
            QVERIFY(m_dir.remove(u"todays.lst"_s));
        dialogs.answerMessage(answer);
        screen.trigger(u"tbClear"_s);
        dialogs.verifyMessage(0, u"Clear Today's List and Start Over ?"_s, u"Confirm"_s, 292);
        const bool cleared = answer == Dialogs::Yes;
        QCOMPARE(screen.entries(u"TmpList"_s).size(), cleared ? 0 : 2);
        QCOMPARE(screen.statusText(u"sb_today"_s),
                 (cleared ? u"0"_s : u"2"_s) + u" Items: Today's List       "_s);
        QCOMPARE(m_dir.exists(u"todays.lst"_s), !cleared);
    }

    void printing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("toolbar, names") << u"tbPrint"_s << int(Dialogs::Yes)
                                        << QStringList{QString(), u"Dairy   "_s,   u"   * Milk"_s,
                                                       QString(), u"special   "_s, u"     eggs"_s};
        QTest::newRow("menu, no names")
            << u"Menu_Print"_s << int(Dialogs::No)
            << QStringList{QString(), u"   * Milk"_s, QString(), u"     eggs"_s};
        QTest::newRow("cancelled") << u"tbPrint"_s << int(Dialogs::Cancel) << QStringList{};
    }
    void printing() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QStringList, groups);
        TestFiles::write(m_dir, u"todays.lst"_s, "Dairy\xb0 Milk\r\nspecial\xb0 eggs\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.printout().pdfFile = m_dir.filePath(u"printout.pdf"_s);
        ListBox* today = screen.list(u"TmpList"_s);
        today->item(0)->setCheckState(Qt::Checked);
        screen.click(u"TmpList"_s, 1);
        dialogs.answerMessage(answer);
        if (answer != Dialogs::Cancel)
            dialogs.answerMessage(Dialogs::Ok);
        screen.trigger(command);
        dialogs.verifyMessage(0, u"Include Category Names?"_s, u"Ready to print..."_s, 291);
        if (answer == Dialogs::Cancel) {
            QVERIFY(screen.printout().documents().isEmpty());
            QCOMPARE(screen.currentRow(u"TmpList"_s), 1);
            return;
        }
        const QString date = QDate::currentDate().toString(u"MM-dd-yyyy"_s);
        QCOMPARE(screen.printout().texts(),
                 QStringList({QString(), QString(), u"Vittlo! "_s + date, QString()}) + groups);
        QVERIFY(screen.printout().documents().first().ended);
        QCOMPARE(screen.currentRow(u"TmpList"_s), -1);
        QCOMPARE(today->item(0)->checkState(), Qt::Checked);
        // Without a printer, the user is told where the printout went.
        QCOMPARE(dialogs.shown().last().style, 64);
        QVERIFY(dialogs.shown().last().text.contains(
            QDir::toNativeSeparators(m_dir.filePath(u"printout.pdf"_s))));
    }

    void aFailingPrinterChangesNothing() {
        TestFiles::write(m_dir, u"todays.lst"_s, "Dairy\xb0 Milk\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.printout().failure = u"The printer is out of paper."_s;
        screen.click(u"TmpList"_s, 0);
        dialogs.answerMessage(Dialogs::Yes);
        dialogs.answerMessage(Dialogs::Ok);
        screen.trigger(u"tbPrint"_s);
        dialogs.verifyMessage(1, u"The printer is out of paper."_s, u"Print Error"_s, 16);
        QCOMPARE(screen.entries(u"TmpList"_s), QStringList{u"Dairy\u00b0 Milk"_s});
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), QByteArray("Dairy\xb0 Milk\r\n"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void anUnknownKeyDoesNothing() {
        writeCatalogue();
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        auto* toolbar = screen.window().findChild<QToolBar*>(u"Toolbar1"_s);
        QAction* stranger = toolbar->addAction(u"Stranger"_s);
        stranger->setObjectName(u"tbnewcat"_s);
        stranger->trigger();
        QVERIFY(dialogs.shown().isEmpty());
    }

private:
    static bool Blanks(const QString& answer) { return answer.trimmed().isEmpty(); }

    void writeCatalogue() {
        TestFiles::write(m_dir, u"category.lst"_s, categoryRecords({"Bakery", "Dairy"}));
        TestFiles::write(m_dir, u"std_item.lst"_s, itemRecords({{"Dairy", "Milk"}}));
    }
};

VITTLO_REGISTER_TEST(ToolbarTest)
#include "tst_toolbar.moc"
