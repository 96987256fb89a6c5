#include "ListBox.h"
#include "MainScreen.h"
#include "ScriptedDialogs.h"
#include "TempDirTest.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WindowDriver.h"
#include "WindowLayout.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;
using TestFiles::field;

namespace {

const QString Deg = u"\u00b0"_s;
const QString TodaySuffix = u" Items: Today's List       "_s;

QString padded(const QString& name) {
    return name.leftJustified(30, u' ', true);
}

} // namespace

class ListsTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void firstStartInAnEmptyDirectory() {
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        QCOMPARE(screen.window().windowTitle(), u"Brindlecove \"Vittlo!\" v.1.1"_s);
        QCOMPARE(TestFiles::read(m_dir, u"category.lst"_s), QByteArray());
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), QByteArray());
        QVERIFY(screen.entries(u"CatList"_s).isEmpty());
        QVERIFY(screen.entries(u"TmpList"_s).isEmpty());
        QCOMPARE(screen.statusText(u"sb_cat"_s), u"Pick a Category!"_s);
        QCOMPARE(screen.statusText(u"sb_today"_s), u"0"_s + TodaySuffix);
        QCOMPARE(screen.editText(u"CatEdit"_s), QString());
        QCOMPARE(screen.editText(u"StdEdit"_s), QString());
        QVERIFY(dialogs.shown().isEmpty());
        // Every toolbar button shows, none hidden behind the toolbar's overflow arrow.
        auto* toolbar = screen.window().findChild<QToolBar*>(u"Toolbar1"_s);
        QCOMPARE(toolbar->actions().size(), 9);
        for (QAction* action : toolbar->actions()) {
            QVERIFY(!action->icon().isNull());
            QVERIFY(toolbar->widgetForAction(action)->isVisible());
        }
    }

    void listsSortWithoutRegardToCase() {
        TestFiles::write(m_dir, u"category.lst"_s,
                         TestFiles::categoryRecords({"produce", "Dairy", "bakery", "dairy"}) +
                             "tail");
        TestFiles::write(m_dir, u"todays.lst"_s, "b\r\nA\r\nC\r\na\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        QCOMPARE(screen.entries(u"CatList"_s),
                 (QStringList{padded(u"bakery"_s), padded(u"Dairy"_s), padded(u"dairy"_s),
                              padded(u"produce"_s)}));
        QCOMPARE(screen.entries(u"TmpList"_s), (QStringList{u"A"_s, u"a"_s, u"b"_s, u"C"_s}));
        QCOMPARE(screen.currentRow(u"CatList"_s), -1);
        QCOMPARE(screen.statusText(u"sb_today"_s), u"4"_s + TodaySuffix);
        const ListBox* today = screen.list(u"TmpList"_s);
        for (int i = 0; i < today->count(); ++i)
            QCOMPARE(today->item(i)->checkState(), Qt::Unchecked);
    }

    void clickingACategoryListsItsItems_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Dairy") << 1
                               << QStringList{padded(u"Butter"_s), padded(u"Milk"_s),
                                              padded(u"Milk"_s)}
                               << u" 3 Items: "_s + padded(u"Dairy"_s);
        QTest::newRow("no items") << 0 << QStringList{} << u" 0 Items: "_s + padded(u"Bakery"_s);
        QTest::newRow("other case holds none")
            << 2 << QStringList{} << u" 0 Items: "_s + padded(u"Fruit"_s);
    }
    void clickingACategoryListsItsItems() {
        QFETCH(int, row);
        QFETCH(QStringList, items);
        QFETCH(QString, panel);
        writeCatalogue();
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        screen.click(u"CatList"_s, row);
        QCOMPARE(screen.entries(u"StdList"_s), items);
        QCOMPARE(screen.statusText(u"sb_cat"_s), panel);
        const QString category = screen.entries(u"CatList"_s).at(row);
        QCOMPARE(screen.editText(u"CatEdit"_s), category);
        QCOMPARE(screen.window().currentCategory(), category);
    }

    void clickingAnItemPicksIt() {
        writeCatalogue();
        TestFiles::write(m_dir, u"todays.lst"_s, "x\r\ny\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        screen.click(u"StdList"_s, 0);
        QCOMPARE(screen.editText(u"StdEdit"_s), padded(u"Butter"_s));
        QCOMPARE(screen.window().currentItem().bytes(), field("Dairy") + field("Butter"));
        QCOMPARE(screen.statusText(u"sb_today"_s), u"2"_s + TodaySuffix);
        // Picking another category leaves the picked item's record as it was.
        screen.click(u"CatList"_s, 0);
        QCOMPARE(screen.window().currentItem().bytes(), field("Dairy") + field("Butter"));
        QCOMPARE(screen.editText(u"StdEdit"_s), padded(u"Butter"_s));
    }

    void doubleClickingAnItemAddsItToTodaysList() {
        writeCatalogue();
        TestFiles::write(m_dir, u"todays.lst"_s, "Bakery\xb0 Bread\r\nZoo\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        screen.doubleClick(u"StdList"_s, 1);
        const QString milk = u"Dairy"_s + Deg + u' ' + padded(u"Milk"_s);
        QCOMPARE(screen.entries(u"TmpList"_s),
                 (QStringList{u"Bakery\u00b0 Bread"_s, milk, u"Zoo"_s}));
        QCOMPARE(screen.currentRow(u"TmpList"_s), 1);
        QCOMPARE(screen.statusText(u"sb_today"_s), u"3"_s + TodaySuffix);
        QCOMPARE(screen.editText(u"StdEdit"_s), QString());
        screen.doubleClick(u"StdList"_s, 2);
        QCOMPARE(screen.entries(u"TmpList"_s),
                 (QStringList{u"Bakery\u00b0 Bread"_s, milk, milk, u"Zoo"_s}));
        QCOMPARE(screen.currentRow(u"TmpList"_s), 1);
        QCOMPARE(screen.list(u"TmpList"_s)->item(2)->checkState(), Qt::Unchecked);
        // Not written until the program ends.
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s),
                 QByteArray("Bakery\xb0 Bread\r\nZoo\r\n"));
    }

    void enterOnAnItemAddsItWithoutMovingTheCurrentEntry() {
        writeCatalogue();
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\nZ\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"TmpList"_s, 1);
        screen.click(u"CatList"_s, 1);
        // Nothing picked in the items: Enter adds nothing.
        screen.pressKey(u"StdList"_s, Qt::Key_Return);
        QCOMPARE(screen.entries(u"TmpList"_s).size(), 2);
        screen.click(u"StdList"_s, 0);
        screen.pressKey(u"StdList"_s, Qt::Key_Enter);
        QCOMPARE(screen.entries(u"TmpList"_s),
                 (QStringList{u"A"_s, u"Dairy"_s + Deg + u' ' + padded(u"Butter"_s), u"Z"_s}));
        QCOMPARE(screen.list(u"TmpList"_s)->currentItem()->text(), u"Z"_s);
        QCOMPARE(screen.statusText(u"sb_today"_s), u"3"_s + TodaySuffix);
        QCOMPARE(screen.editText(u"StdEdit"_s), QString());
        screen.pressKey(u"StdList"_s, Qt::Key_B);
        QCOMPARE(screen.entries(u"TmpList"_s).size(), 3);
    }

    void doubleClickingAnEntryRemovesIt() {
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\nB\r\nC\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.doubleClick(u"TmpList"_s, 1);
        QCOMPARE(screen.entries(u"TmpList"_s), (QStringList{u"A"_s, u"C"_s}));
        QCOMPARE(screen.currentRow(u"TmpList"_s), -1);
        QCOMPARE(screen.statusText(u"sb_today"_s), u"2"_s + TodaySuffix);
        // A double-click below the entries or on a check box removes nothing.
        screen.click(u"TmpList"_s, 0);
        ListBox* today = screen.list(u"TmpList"_s);
        QTest::mouseDClick(today->viewport(), Qt::LeftButton, {},
                           QPoint(20, today->viewport()->height() - 3));
        const QRect first = today->visualItemRect(today->item(1));
        QTest::mouseClick(today->viewport(), Qt::LeftButton, {},
                          QPoint(first.left() + 10, first.center().y()));
        QCOMPARE(today->item(1)->checkState(), Qt::Checked);
        QTest::mouseDClick(today->viewport(), Qt::LeftButton, {},
                           QPoint(first.left() + 10, first.center().y()));
        QCOMPARE(screen.entries(u"TmpList"_s), (QStringList{u"A"_s, u"C"_s}));
    }

    void retyping_data() {
        QTest::addColumn<bool>("rightClick");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("entries");
        const QStringList before{u"A"_s, u"Bakery\u00b0 Bread"_s, u"C"_s, u"D"_s, u"E"_s};
        const QStringList after{u" Bakery\u00b0 Rolls "_s, u"A"_s, u"C"_s, u"D"_s, u"E"_s};
        QTest::newRow("Enter") << false << u" Bakery\u00b0 Rolls "_s << after;
        QTest::newRow("right click") << true << u" Bakery\u00b0 Rolls "_s << after;
        QTest::newRow("cancelled") << false << QString() << before;
    }
    void retyping() {
        QFETCH(bool, rightClick);
        QFETCH(QString, answer);
        QFETCH(QStringList, entries);
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\nBakery\xb0 Bread\r\nC\r\nD\r\nE\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"TmpList"_s, 1);
        dialogs.answerInput(answer);
        if (rightClick)
            screen.rightClick(u"TmpList"_s, 3); // the pointer's entry does not matter
        else
            screen.pressKey(u"TmpList"_s, Qt::Key_Return);
        QCOMPARE(dialogs.shown().size(), 1);
        dialogs.verifyInput(0, u"Modify item..."_s, u"Make changes"_s, u"Bakery\u00b0 Bread"_s);
        QCOMPARE(screen.entries(u"TmpList"_s), entries);
        QCOMPARE(screen.currentRow(u"TmpList"_s), answer.isEmpty() ? 1 : 0);
        QCOMPARE(screen.statusText(u"sb_today"_s), u"5"_s + TodaySuffix);
    }

    void retypingWithoutACurrentEntryAsksNothing() {
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\nB\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.pressKey(u"TmpList"_s, Qt::Key_Return);
        screen.rightClick(u"TmpList"_s, 0);
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(screen.entries(u"TmpList"_s), (QStringList{u"A"_s, u"B"_s}));
    }

    void centerOn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("current");
        QTest::newRow("trimmed match") << u"  Dairy\u00b0 Milk "_s << 2;
        QTest::newRow("first of equal entries") << u"Bakery\u00b0 Bread"_s << 0;
        QTest::newRow("case differs: last entry") << u"dairy\u00b0 milk"_s << 3;
    }
    void centerOn() {
        QFETCH(QString, text);
        QFETCH(int, current);
        TestFiles::write(m_dir, u"todays.lst"_s,
                         "Bakery\xb0 Bread\r\nDairy\xb0 Milk      \r\nBakery\xb0 Bread\r\nZ\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.window().CenterOn(text);
        QCOMPARE(screen.currentRow(u"TmpList"_s), current);
    }

    void shutDown_data() {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("closing the window") << false;
        QTest::newRow("Exit") << true;
    }
    void shutDown() {
        QFETCH(bool, viaExit);
        writeCatalogue();
        TestFiles::write(m_dir, u"todays.lst"_s, "  Zoo  \r\n\r\n   \r\nBakery\xb0 Bread\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.click(u"CatList"_s, 1);
        screen.doubleClick(u"StdList"_s, 1);
        screen.doubleClick(u"TmpList"_s, 0); // one of the blank entries
        if (viaExit)
            screen.trigger(u"MU_File_Exit"_s);
        else
            QVERIFY(screen.window().close());
        QVERIFY(!screen.window().isVisible());
        // Leading blanks sort first; the file holds the entries trimmed, in list order.
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s),
                 QByteArray("Zoo\r\nBakery\xb0 Bread\r\nDairy\xb0 Milk\r\n"));
        QCOMPARE(screen.currentRow(u"TmpList"_s), 3);
        // Written exactly once: a later close event writes nothing.
        QVERIFY(m_dir.remove(u"todays.lst"_s));
        screen.window().close();
        QVERIFY(!m_dir.exists(u"todays.lst"_s));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void aListThatCannotBeSavedKeepsTheWindowOpen() {
        TestFiles::write(m_dir, u"todays.lst"_s, "A\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        QVERIFY(m_dir.remove(u"todays.lst"_s));
        QVERIFY(m_dir.mkdir(u"todays.lst"_s));
        dialogs.answerMessage(Dialogs::Ok);
        dialogs.answerMessage(Dialogs::Ok);
        QVERIFY(!screen.window().close());
        screen.trigger(u"MU_File_Exit"_s);
        QVERIFY(screen.window().isVisible());
        QCOMPARE(screen.entries(u"TmpList"_s), QStringList{u"A"_s});
        QCOMPARE(dialogs.shown().size(), 2);
        for (const ScriptedDialogs::Shown& box : dialogs.shown()) {
            QCOMPARE(box.title, u"File Error"_s);
            QCOMPARE(box.style, 16);
            QVERIFY2(box.text.startsWith(u"todays.lst\n\n"_s), qPrintable(box.text));
            QVERIFY(box.text.size() > 12);
        }
        QVERIFY(m_dir.rmdir(u"todays.lst"_s));
        QVERIFY(screen.window().close());
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s), QByteArray("A\r\n"));
    }

    void unreadableFilesAtStartUp() {
        QVERIFY(m_dir.mkdir(u"category.lst"_s));
        QVERIFY(m_dir.mkdir(u"todays.lst"_s));
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Ok);
        dialogs.answerMessage(Dialogs::Ok);
        WindowDriver screen(m_dir, dialogs);
        QCOMPARE(dialogs.shown().size(), 2);
        QVERIFY(dialogs.shown().at(0).text.startsWith(u"category.lst"_s));
        QVERIFY(dialogs.shown().at(1).text.startsWith(u"todays.lst"_s));
        // A Today's List that was never read is not written over at the end.
        QVERIFY(screen.window().close());
        QVERIFY(QFileInfo(m_dir.filePath(u"todays.lst"_s)).isDir());
        QCOMPARE(dialogs.shown().size(), 2);
    }

    void layoutFollowsTheWindow_data() {
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("changes");
        QTest::newRow("tall") << 7000.0 << true;
        QTest::newRow("just above 5000") << 5001.0 << true;
        QTest::newRow("5000 or less") << 5000.0 << false;
    }
    void layoutFollowsTheWindow() {
        QFETCH(double, height);
        QFETCH(bool, changes);
        const WindowLayout::Places before = WindowLayout::designed();
        const WindowLayout::Resized after = WindowLayout::resized(before, {9500, height, 870, 375});
        if (!changes) {
            QCOMPARE(after.places, before);
            QVERIFY(!after.buttonWidth);
            return;
        }
        const double h = height - 870 - 375 - 850;
        const double width = 9500 - 3135 - 350;
        const WindowLayout::Places& p = after.places;
        QCOMPARE(p.tmpList, QRectF(3240, 960, width, h));
        QCOMPARE(p.stdList, QRectF(120, 960, 3135, h / 2));
        QCOMPARE(p.catList, QRectF(120, 960 + h / 2, 3135, h / 2));
        QCOMPARE(p.macroFrame, QRectF(120, 960, 3135, h));
        QCOMPARE(p.file1, QRectF(120, 2040, 2895, h - 2200));
        QCOMPARE(p.editorFrame, QRectF(3240, 960, width, h + 10));
        QCOMPARE(p.editorBox, QRectF(120, 720, width - 250, h + 10 - 800));
        // Spread only when the window is taller than the toolbar, old item list and 1625.
        QCOMPARE(after.buttonWidth.has_value(), height - (870 + 3060 + 1625) > 0);
        if (after.buttonWidth)
            QCOMPARE(*after.buttonWidth, 9500.0 / 9 - 10);
    }

    void layoutNeverAppliesNegativeSizes() {
        const WindowLayout::Places places = WindowLayout::designed();
        const WindowLayout::Resized narrow = WindowLayout::resized(places, {3400, 6000, 870, 375});
        QCOMPARE(narrow.places.tmpList.width(), places.tmpList.width());
        const WindowLayout::Resized tight = WindowLayout::resized(places, {3600, 6000, 870, 375});
        QCOMPARE(tight.places.editorFrame.width(), 3600.0 - 3135 - 350);
        QCOMPARE(tight.places.editorBox.width(), places.editorBox.width());
        const WindowLayout::Resized crowded =
            WindowLayout::resized(places, {9000, 6000, 5000, 375});
        QCOMPARE(crowded.places.tmpList.height(), places.tmpList.height());
        const WindowLayout::Places first =
            WindowLayout::firstArrangement(places, {9150, 6600, 870, 375});
        QCOMPARE(first.tmpList.width(), 9150.0 - 3135 - 70);
        QCOMPARE(first.catList, QRectF(120, 960 + 3060, 3135, 6600 - (870 + 3060 + 1000)));
    }

private:
    void writeCatalogue() {
        TestFiles::write(m_dir, u"category.lst"_s,
                         TestFiles::categoryRecords({"Bakery", "Dairy", "Fruit"}));
        TestFiles::write(
            m_dir, u"std_item.lst"_s,
            TestFiles::itemRecords(
                {{"Dairy", "Milk"}, {"fruit", "Apples"}, {"Dairy", "Butter"}, {"Dairy", "Milk"}}));
    }
};

VITTLO_REGISTER_TEST(ListsTest)
#include "tst_lists.moc"
