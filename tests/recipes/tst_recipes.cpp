#include "ListBox.h"
#include "MainScreen.h"
#include "ScriptedDialogs.h"
#include "TempDirTest.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WindowDriver.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

const QString NothingToDo = u"Nothing to do!"_s;

} // namespace

class RecipesTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void savingRecordsTodaysList_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        // " Milk " sorts first by its leading blank; the file holds it trimmed.
        QTest::newRow("Yes") << int(Dialogs::Yes) << QByteArray("Milk\r\nBakery\xb0 Bread\r\n");
        QTest::newRow("No") << int(Dialogs::No) << QByteArray("old\r\n");
    }
    void savingRecordsTodaysList() {
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        TestFiles::write(m_dir, u"Soup.rcp"_s, "old\r\n");
        TestFiles::write(m_dir, u"todays.lst"_s, "   \r\nBakery\xb0 Bread\r\n Milk \r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        screen.clickFile(u"Soup.rcp"_s);
        dialogs.answerMessage(answer);
        screen.pressButton(u"SaveMacro"_s);
        dialogs.verifyMessage(
            0, u"Save the current contents of Today's List as \r\nthe Soup ingredient list?"_s,
            u"Ready to record list..."_s, 36);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.rcp"_s), after);
        QCOMPARE(screen.currentRow(u"TmpList"_s), answer == Dialogs::Yes ? 2 : -1);
    }

    void refusals_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("pickRecipe");
        QTest::addColumn<QString>("message");
        QTest::newRow("Get, nothing active")
            << u"RunMacro"_s << false << u"Please pick a recipe."_s;
        QTest::newRow("Save, nothing active")
            << u"SaveMacro"_s << false << u"Please provide a name."_s;
        QTest::newRow("Save, empty list")
            << u"SaveMacro"_s << true << u"Please build a list to record."_s;
        QTest::newRow("Notes, nothing active")
            << u"NoteButton"_s << false << u"Please pick the recipe you wish to work with."_s;
    }
    void refusals() {
        QFETCH(QString, button);
        QFETCH(bool, pickRecipe);
        QFETCH(QString, message);
        TestFiles::write(m_dir, u"Soup.rcp"_s, "Milk\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        if (pickRecipe)
            screen.clickFile(u"Soup.rcp"_s);
        dialogs.answerMessage(Dialogs::Ok);
        screen.pressButton(button);
        QCOMPARE(dialogs.shown().size(), 1);
        dialogs.verifyMessage(0, message, NothingToDo, 304);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.rcp"_s), QByteArray("Milk\r\n"));
        QVERIFY(!m_dir.exists(u"Soup.txt"_s));
    }

    void gettingAddsTheIngredients() {
        TestFiles::write(m_dir, u"Soup.rcp"_s, "Leeks\r\nDairy\xb0 Milk\r\n\r\n");
        TestFiles::write(m_dir, u"todays.lst"_s, "Bread\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        screen.clickFile(u"Soup.rcp"_s);
        QCOMPARE(screen.editText(u"MacName"_s), u"Soup"_s);
        dialogs.answerMessage(Dialogs::Yes);
        screen.pressButton(u"RunMacro"_s);
        dialogs.verifyMessage(0, u"Add Soup ingredients to Today's List?"_s, u"Confirm"_s, 36);
        dialogs.answerMessage(Dialogs::Yes);
        screen.pressButton(u"RunMacro"_s);
        QCOMPARE(screen.entries(u"TmpList"_s),
                 (QStringList{QString(), QString(), u"Bread"_s, u"Dairy\u00b0 Milk"_s,
                              u"Dairy\u00b0 Milk"_s, u"Leeks"_s, u"Leeks"_s}));
        QCOMPARE(screen.statusText(u"sb_today"_s), u"7 Items: Today's List       "_s);
        dialogs.answerMessage(Dialogs::No);
        screen.pressButton(u"RunMacro"_s);
        QCOMPARE(screen.entries(u"TmpList"_s).size(), 7);
    }

    void gettingAMissingRecipeCreatesItEmpty() {
        TestFiles::write(m_dir, u"Soup.rcp"_s, QByteArray());
        TestFiles::write(m_dir, u"todays.lst"_s, "Bread\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        screen.clickFile(u"Soup.rcp"_s);
        QVERIFY(m_dir.remove(u"Soup.rcp"_s));
        dialogs.answerMessage(Dialogs::Yes);
        screen.pressButton(u"RunMacro"_s);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.rcp"_s), QByteArray());
        QCOMPARE(screen.statusText(u"sb_today"_s), u"1 Items: Today's List       "_s);
        QCOMPARE(screen.files(), QStringList{u"Soup.rcp"_s});
    }

    void newRecipe_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QByteArray>("soup");
        const QByteArray old("old\r\n");
        QTest::newRow("new name") << u"Stew"_s << QList<int>{} << old;
        QTest::newRow("existing, No") << u"Soup"_s << QList<int>{Dialogs::No} << old;
        QTest::newRow("existing, Yes") << u"Soup"_s << QList<int>{Dialogs::Yes} << QByteArray();
        QTest::newRow("cancelled") << QString() << QList<int>{} << old;
    }
    void newRecipe() {
        QFETCH(QString, name);
        QFETCH(QList<int>, answers);
        QFETCH(QByteArray, soup);
        TestFiles::write(m_dir, u"Soup.rcp"_s, "old\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        dialogs.answerInput(name);
        for (int answer : answers)
            dialogs.answerMessage(answer);
        screen.pressButton(u"Command1"_s);
        dialogs.verifyInput(0, u"New recipe name..."_s, u"New Recipe"_s);
        if (!answers.isEmpty())
            dialogs.verifyMessage(dialogs.shown().size() - 1,
                                  u"Replace the Soup ingredient list with Today's List?"_s,
                                  u"Confirm"_s, 292);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.rcp"_s), soup);
        const bool stew = name == u"Stew";
        QCOMPARE(TestFiles::read(m_dir, u"Stew.rcp"_s),
                 stew ? QByteArray() : QByteArray("<missing>"));
        QCOMPARE(screen.files(),
                 stew ? (QStringList{u"Soup.rcp"_s, u"Stew.rcp"_s}) : QStringList{u"Soup.rcp"_s});
        QCOMPARE(screen.editText(u"MacName"_s), QString());
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("path separator") << u"../Soup"_s;
        QTest::newRow("backslash") << u"a\\b"_s;
        QTest::newRow("colon") << u"a:b"_s;
        QTest::newRow("dot dot") << u".."_s;
        QTest::newRow("trailing dot") << u"Soup."_s;
        QTest::newRow("trailing blank") << u"Soup "_s;
        QTest::newRow("only blanks") << u"   "_s;
        QTest::newRow("control character") << u"So\tup"_s;
        QTest::newRow("121 characters") << QString(121, u'x');
    }
    void refusedNames() {
        QFETCH(QString, name);
        QVERIFY(m_dir.mkdir(u"inner"_s));
        const QDir inner(m_dir.filePath(u"inner"_s));
        ScriptedDialogs dialogs;
        WindowDriver screen(inner, dialogs);
        screen.trigger(u"tbMakeList"_s);
        dialogs.answerInput(name);
        dialogs.answerMessage(Dialogs::Ok);
        screen.pressButton(u"Command1"_s);
        QCOMPARE(dialogs.shown().last().title, NothingToDo);
        QCOMPARE(dialogs.shown().last().style, 304);
        QVERIFY(dialogs.shown().last().text.contains(u"\\ / : * ? \" < > |"_s));
        QVERIFY(!m_dir.exists(u"Soup.rcp"_s));
        QCOMPARE(inner.entryList({u"*.rcp"_s}), QStringList{});
    }

    void selectingAFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("Soup") << u"Soup.rcp"_s << u"Soup"_s;
        QTest::newRow("whole name .rcp") << u".rcp"_s << QString();
    }
    void selectingAFile() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        TestFiles::write(m_dir, file, QByteArray());
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        auto* kill = screen.window().findChild<QPushButton*>(u"KillMac"_s);
        QVERIFY(!kill->isEnabled());
        screen.clickFile(file);
        QCOMPARE(screen.editText(u"MacName"_s), name);
        QVERIFY(kill->isEnabled());
        // An empty name box: Delete does nothing at all.
        if (name.isEmpty()) {
            screen.pressButton(u"KillMac"_s);
            QVERIFY(dialogs.shown().isEmpty());
        }
    }

    void deleting_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("recipeKept");
        QTest::addColumn<bool>("noteKept");
        QTest::newRow("Yes, Yes") << QList<int>{Dialogs::Yes, Dialogs::Yes} << false << false;
        QTest::newRow("Yes, No") << QList<int>{Dialogs::Yes, Dialogs::No} << false << true;
        QTest::newRow("No") << QList<int>{Dialogs::No} << true << true;
    }
    void deleting() {
        QFETCH(QList<int>, answers);
        QFETCH(bool, recipeKept);
        QFETCH(bool, noteKept);
        TestFiles::write(m_dir, u"Soup.rcp"_s, "Leeks\r\n");
        TestFiles::write(m_dir, u"Soup.txt"_s, "Simmer\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        screen.clickFile(u"Soup.rcp"_s);
        for (int answer : answers)
            dialogs.answerMessage(answer);
        screen.pressButton(u"KillMac"_s);
        dialogs.verifyMessage(0, u"Delete list: Soup ?"_s, u"Confirm"_s, 292);
        if (answers.size() > 1)
            dialogs.verifyMessage(1, u"Delete note file too?"_s, u"Confirm"_s, 36);
        QCOMPARE(m_dir.exists(u"Soup.rcp"_s), recipeKept);
        QCOMPARE(m_dir.exists(u"Soup.txt"_s), noteKept);
        QCOMPARE(screen.files().size(), recipeKept ? 1 : 0);
        QCOMPARE(screen.editText(u"MacName"_s), recipeKept ? u"Soup"_s : QString());
        // Delete again with the name box empty: nothing is asked.
        if (!recipeKept) {
            screen.pressButton(u"KillMac"_s);
            QCOMPARE(dialogs.shown().size(), answers.size());
        }
    }

    void openingAndClosingThePanel() {
        TestFiles::write(m_dir, u"Soup.rcp"_s, QByteArray());
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        auto* panel = screen.window().findChild<QGroupBox*>(u"MacroFrame"_s);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), u" Available Recipes "_s);
        QCOMPARE(enabledButtons(screen),
                 (QList<bool>{false, false, false, false, false, true, true, true, true}));
        screen.clickFile(u"Soup.rcp"_s);
        screen.trigger(u"tbMakeList"_s);
        QCOMPARE(screen.editText(u"MacName"_s), QString());
        screen.clickFile(u"Soup.rcp"_s);
        TestFiles::write(m_dir, u"Stew.rcp"_s, QByteArray());
        screen.pressButton(u"CancelMacro"_s);
        QVERIFY(!panel->isVisible());
        QCOMPARE(enabledButtons(screen), QList<bool>(9, true));
        QCOMPARE(screen.files(), (QStringList{u"Soup.rcp"_s, u"Stew.rcp"_s}));
        screen.trigger(u"tbMakeList"_s);
        QCOMPARE(screen.editText(u"MacName"_s), QString());
    }

    void notes() {
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        dialogs.answerInput(u"Soup"_s);
        screen.pressButton(u"Command1"_s);
        screen.clickFile(u"Soup.rcp"_s);
        screen.pressButton(u"NoteButton"_s);
        auto* editor = screen.window().findChild<QGroupBox*>(u"EditorFrame"_s);
        auto* box = screen.window().findChild<QPlainTextEdit*>(u"EditorBox"_s);
        auto* panel = screen.window().findChild<QGroupBox*>(u"MacroFrame"_s);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.txt"_s), QByteArray());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->title(), u" Notes on Soup "_s);
        QVERIFY(!panel->isEnabled());

        // Typing and taking it back again is no change: closing asks nothing.
        QTest::keyClicks(box, u"x"_s);
        QTest::keyClick(box, Qt::Key_Backspace);
        screen.pressButton(u"EditCancel"_s);
        QVERIFY(!editor->isVisible());
        QVERIFY(panel->isEnabled());

        // A changed note: No keeps the editor open, Yes drops the change.
        screen.pressButton(u"NoteButton"_s);
        QTest::keyClicks(box, u"Simmer \u00a0gently"_s);
        dialogs.answerMessage(Dialogs::No);
        screen.pressButton(u"EditCancel"_s);
        dialogs.verifyMessage(dialogs.shown().size() - 1, u"Quit without saving?"_s, u"Confirm"_s,
                              292);
        QVERIFY(editor->isVisible());
        // Saving reaches the opened recipe's note even after Recipes emptied the name box.
        screen.trigger(u"tbMakeList"_s);
        screen.pressButton(u"EditSave"_s);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.txt"_s), QByteArray("Simmer \xa0gently\r\n"));
        QVERIFY(!editor->isVisible());
        QVERIFY(panel->isEnabled());

        // Every save adds one line break at the end.
        screen.clickFile(u"Soup.rcp"_s);
        screen.pressButton(u"NoteButton"_s);
        QCOMPARE(box->document()->toRawText(), u"Simmer \u00a0gently\u2029"_s);
        screen.pressButton(u"EditSave"_s);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.txt"_s), QByteArray("Simmer \xa0gently\r\n\r\n"));

        screen.pressButton(u"NoteButton"_s);
        QTest::keyClicks(box, u"more"_s);
        dialogs.answerMessage(Dialogs::Yes);
        screen.pressButton(u"EditCancel"_s);
        QCOMPARE(TestFiles::read(m_dir, u"Soup.txt"_s), QByteArray("Simmer \xa0gently\r\n\r\n"));
        QVERIFY(!editor->isVisible());
    }

    void aNoteKeptOutlivesItsRecipe() {
        TestFiles::write(m_dir, u"Soup.rcp"_s, QByteArray());
        TestFiles::write(m_dir, u"Soup.txt"_s, "Simmer\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        screen.clickFile(u"Soup.rcp"_s);
        dialogs.answerMessage(Dialogs::Yes);
        dialogs.answerMessage(Dialogs::No);
        screen.pressButton(u"KillMac"_s);
        dialogs.answerInput(u"Soup"_s);
        screen.pressButton(u"Command1"_s);
        screen.clickFile(u"Soup.rcp"_s);
        screen.pressButton(u"NoteButton"_s);
        QCOMPARE(screen.window().findChild<QPlainTextEdit*>(u"EditorBox"_s)->toPlainText(),
                 u"Simmer\n"_s);
    }

    void printingNotes_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("pages");
        QTest::newRow("note alone") << QList<int>{Dialogs::No} << 1;
        QTest::newRow("with Today's List") << QList<int>{Dialogs::Yes, Dialogs::No} << 2;
        QTest::newRow("Today's List cancelled") << QList<int>{Dialogs::Yes, Dialogs::Cancel} << 1;
        QTest::newRow("cancelled") << QList<int>{Dialogs::Cancel} << 0;
    }
    void printingNotes() {
        QFETCH(QList<int>, answers);
        QFETCH(int, pages);
        TestFiles::write(m_dir, u"Soup.rcp"_s, QByteArray());
        TestFiles::write(m_dir, u"Soup.txt"_s, QByteArray(100, 'a') + " bb cc");
        TestFiles::write(m_dir, u"todays.lst"_s, "Dairy\xb0 Milk\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        screen.clickFile(u"Soup.rcp"_s);
        screen.pressButton(u"NoteButton"_s);
        for (int answer : answers)
            dialogs.answerMessage(answer);
        screen.pressButton(u"EditPrint"_s);
        dialogs.verifyMessage(0, u"Print your shopping list too?"_s, u"Ready to print..."_s, 291);
        const auto& documents = screen.printout().documents();
        if (pages == 0) {
            QVERIFY(documents.isEmpty());
            return;
        }
        QCOMPARE(documents.size(), 1);
        QVERIFY(documents.first().ended);
        QCOMPARE(documents.first().pages.size(), pages);
        // The page is 12000 twips wide, 100 a character: 79 characters fit the limit.
        QCOMPARE(screen.printout().texts(), (QStringList{QString(100, u'a') + u' ', u"bb cc"_s}));
        const auto& first = documents.first().pages.first().first();
        QCOMPARE(first.x, 1.0);
        QCOMPARE(first.y, 1000.0);
        QCOMPARE(first.font, u"Courier New 10 bold"_s);
        if (pages == 2)
            QCOMPARE(screen.printout().texts(0, 1).last(), u"     Milk"_s);
        QVERIFY(screen.window().findChild<QGroupBox*>(u"EditorFrame"_s)->isVisible());
    }

    void aRecipeThatCannotBeWrittenIsLeftAsItWas() {
        QVERIFY(m_dir.mkdir(u"Soup.rcp"_s));
        TestFiles::write(m_dir, u"todays.lst"_s, "Milk\r\n");
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.trigger(u"tbMakeList"_s);
        dialogs.answerInput(u"Soup"_s);
        dialogs.answerMessage(Dialogs::Yes);
        dialogs.answerMessage(Dialogs::Ok);
        screen.pressButton(u"Command1"_s);
        QCOMPARE(dialogs.shown().last().title, u"File Error"_s);
        QVERIFY(dialogs.shown().last().text.startsWith(u"Soup.rcp\n\n"_s));
        QVERIFY(QFileInfo(m_dir.filePath(u"Soup.rcp"_s)).isDir());
        QCOMPARE(screen.entries(u"TmpList"_s), QStringList{u"Milk"_s});
    }

private:
    static QList<bool> enabledButtons(WindowDriver& screen) {
        QList<bool> enabled;
        for (const char* key : {"tbNewCat", "tbEditCat", "tbDeleteCat", "tbNewItem", "tbDeleteItem",
                                "tbSpecial", "tbMakeList", "tbPrint", "tbClear"})
            enabled.append(
                screen.window().findChild<QAction*>(QString::fromLatin1(key))->isEnabled());
        return enabled;
    }
};

VITTLO_REGISTER_TEST(RecipesTest)
#include "tst_recipes.moc"
