#include "TempDirTest.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestFiles::Files;

namespace {

const QString Soup = u"Soup.rcp"_s;
const QString SoupNote = u"Soup.txt"_s;
const QString Today = u"todays.lst"_s;
const QString PickSoup = u"do tbMakeList; click File1 0; "_s;

} // namespace

class RecipesTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void recipes_data() {
        addScenarioColumns();
        const Files recorded{{Soup, "old\r\n"}, {Today, "   \r\nBakery\xb0 Bread\r\n Milk \r\n"}};
        const QString record = u"36 Ready to record list...|Save the current contents*Soup*"_s;
        addScenario("Save records Today's List trimmed, on Yes", recorded,
                    PickSoup + u"press SaveMacro; press SaveMacro"_s, u"No; Yes"_s,
                    record + u"; "_s + record, {{Soup, "Milk\r\nBakery\xb0 Bread\r\n"}},
                    u"TmpList=~3| Milk |>Bakery\u00b0 Bread"_s);
        const QString add = u"36 Confirm|Add Soup ingredients to Today's List?; "_s;
        addScenario("Get adds the ingredients on each Yes",
                    {{Soup, "Leeks\r\nDairy\xb0 Milk\r\n\r\n"}, {Today, "Bread\r\n"}},
                    PickSoup + u"press RunMacro; press RunMacro; press RunMacro"_s,
                    u"Yes; Yes; No"_s, add + add + add, {},
                    u"MacName=Soup; TmpList=||Bread|Dairy\u00b0 Milk|Dairy\u00b0 Milk|Leeks|Leeks; "
                    "sb_today=7 Items: Today's List~7"_s);
        addScenario("Get of a missing recipe creates it empty", {{Soup, ""}, {Today, "Bread\r\n"}},
                    PickSoup + u"rm Soup.rcp; press RunMacro"_s, u"Yes"_s, add, {{Soup, ""}},
                    u"File1=Soup.rcp; sb_today=1 Items: Today's List~7"_s);
        const QString named = u"input New Recipe|New recipe name...|; "_s;
        const QString replace =
            named + u"292 Confirm|Replace the Soup ingredient list with Today's List?; "_s;
        const Files soup{{Soup, "old\r\n"}, {Today, "Milk\r\n"}};
        const QString create = u"do tbMakeList; press Command1"_s;
        addScenario("New records Today's List, unless cancelled", soup,
                    create + u"; press Command1"_s, u"=; =Stew"_s, named + named,
                    {{Soup, "old\r\n"}, {u"Stew.rcp"_s, "Milk\r\n"}},
                    u"File1=Soup.rcp|Stew.rcp; MacName="_s);
        addScenario("New over a recipe, on Yes", soup, create + u"; press Command1"_s,
                    u"=Soup; No; =Soup; Yes"_s, replace + replace, {{Soup, "Milk\r\n"}}, {});
        addScenario("New takes a name of 120 characters", {}, create, u"="_s + QString(120, u'x'),
                    named, {{QString(120, u'x') + u".rcp"_s, ""}}, {});
        // A file named ".rcp" is a recipe without a name: Delete does nothing for it.
        addScenario("the recipe list ignores case; Recipes again forgets the active one",
                    {{u"cherry.rcp"_s, ""},
                     {u"Banana.rcp"_s, ""},
                     {u"apple.rcp"_s, ""},
                     {u".rcp"_s, ""},
                     {u"Fig.RCP"_s, ""}},
                    u"do tbMakeList; click File1 0; press KillMac; click File1 1; do tbMakeList"_s,
                    {}, {}, {},
                    u"File1=.rcp|>apple.rcp|Banana.rcp|cherry.rcp; MacName=; Toolbar1=000001111"_s);
        addScenario("Close enables the toolbar and rereads the list", {{Soup, ""}},
                    PickSoup + u"touch Stew.rcp; press CancelMacro"_s, {}, {}, {},
                    u"MacroFrame=hidden; Toolbar1=111111111; File1=Soup.rcp|Stew.rcp"_s);
        const Files withNote{{Soup, "Leeks\r\n"}, {SoupNote, "Simmer\r\n"}};
        const QString del = u"292 Confirm|Delete list: Soup ?; "_s;
        const QString withItsNote = u"36 Confirm|Delete note file too?"_s;
        addScenario("Delete with its note", withNote, PickSoup + u"press KillMac; press KillMac"_s,
                    u"Yes; Yes"_s, del + withItsNote,
                    {{Soup, "<missing>"}, {SoupNote, "<missing>"}}, u"File1=; MacName="_s);
        addScenario("Delete keeping the note, on Yes", withNote,
                    PickSoup + u"press KillMac; press KillMac"_s, u"No; Yes; No"_s,
                    del + del + withItsNote, {{Soup, "<missing>"}, {SoupNote, "Simmer\r\n"}},
                    u"File1="_s);
        addScenario("the recipe under the highlight is the active one",
                    {{Soup, ""}, {u"Stew.rcp"_s, ""}},
                    PickSoup + u"key File1 Down; press KillMac"_s, u"Yes; No"_s,
                    u"292 Confirm|Delete list: Stew ?; "_s + withItsNote,
                    {{Soup, ""}, {u"Stew.rcp"_s, "<missing>"}}, u"File1=Soup.rcp"_s);
    }
    void recipes() { runScenario(); }

    void refusals_data() {
        addScenarioColumns();
        const Files soup{{Soup, "Milk\r\n"}};
        const QList<std::pair<QString, const char*>> unpicked{
            {u"do tbMakeList; press RunMacro"_s, "Please pick a recipe."},
            {u"do tbMakeList; press SaveMacro"_s, "Please provide a name."},
            {PickSoup + u"press SaveMacro"_s, "Please build a list to record."},
            {u"do tbMakeList; press NoteButton"_s,
             "Please pick the recipe you wish to work with."}};
        for (const auto& [steps, message] : unpicked)
            addScenario(message, soup, steps, u"OK"_s,
                        u"304 Nothing to do!|"_s + QLatin1String(message),
                        {{Soup, "Milk\r\n"}, {SoupNote, "<missing>"}}, {});
        const QList<QByteArray> names{"../Soup", "a\\b",  "a:b", "..",     "Soup.",
                                      "Soup ",   " Soup", "   ", "So\tup", QByteArray(121, 'x')};
        for (const QByteArray& name : names)
            addScenario(name.constData(), {}, u"do tbMakeList; press Command1"_s,
                        u"="_s + QString::fromLatin1(name) + u"; OK"_s,
                        u"input New Recipe|New recipe name...|; 304 Nothing to do!|A recipe name "
                        "cannot hold any of the characters \\ / : * ? \" < > | or a control "
                        "character*"_s,
                        {{u"../Soup.rcp"_s, "<missing>"}}, u"File1="_s);
    }
    void refusals() { runScenario(); }

    void notes_data() {
        addScenarioColumns();
        const Files soup{{Soup, ""}};
        const QString open = PickSoup + u"press NoteButton; "_s;
        const QString quit = u"292 Confirm|Quit without saving?"_s;
        addScenario("a note typed and taken back closes without a question", soup,
                    open + u"type EditorBox x; key EditorBox Backspace; press EditCancel"_s, {}, {},
                    {{SoupNote, ""}}, u"EditorFrame=hidden; MacroFrame= Available Recipes "_s);
        addScenario("a changed note: No keeps the editor, Yes drops the change", soup,
                    open + u"type EditorBox Simmer; press EditCancel; press EditCancel"_s,
                    u"No; Yes"_s, quit + u"; "_s + quit, {{SoupNote, ""}},
                    u"EditorFrame=hidden; MacroFrame= Available Recipes "_s);
        addScenario("Save reaches the note opened, with no-break spaces", soup,
                    open + u"type EditorBox Simmer \u00a0gently; do tbMakeList; press EditSave"_s,
                    {}, {}, {{SoupNote, "Simmer \xa0gently\r\n"}},
                    u"EditorFrame=hidden; MacroFrame= Available Recipes ; MacName="_s);
        addScenario("a frame's title shows the name as it is", {{u"Mac & Cheese.rcp"_s, ""}},
                    u"do tbMakeList; click File1 0; press NoteButton"_s, {}, {}, {},
                    u"EditorFrame= Notes on Mac && Cheese "_s);
        // Opening takes off the line break that saving adds, so a note saved unchanged keeps its
        // bytes; one without a final line break opens whole.
        const QList<std::pair<const char*, QByteArray>> kept{
            {"a note saved unchanged keeps its bytes", "Simmer\r\ngently\r\n"},
            {"a note ending in an empty line keeps it", "Simmer\r\n\r\n"},
            {"a note without a final line break gains one", "Simmer\r\ngently"}};
        for (const auto& [name, note] : kept)
            addScenario(name, {{Soup, ""}, {SoupNote, note}},
                        open + u"press EditSave; press NoteButton; press EditSave"_s, {}, {},
                        {{SoupNote, note.endsWith('y') ? note + "\r\n" : note}},
                        u"EditorFrame=hidden"_s);
        addScenario("lines stay CR LF", {{Soup, ""}, {SoupNote, "Simmer\r\ngently\r\n"}}, open, {},
                    {}, {}, u"EditorBox=Simmer\ngently; EditorFrame= Notes on Soup "_s);

        // Closing the window with a changed note asks first, before Today's List.
        const QString changed = open + u"type EditorBox Simmer; "_s;
        const QString save = u"35 Confirm|Save the changes to the notes on Soup?"_s;
        addScenario("closing with a changed note: Cancel keeps the window and the note", soup,
                    changed + u"close"_s, u"Cancel"_s, save, {{SoupNote, ""}},
                    u"window=open; EditorBox=Simmer"_s);
        addScenario("File > Exit with a changed note: No drops the change", soup,
                    changed + u"do MU_File_Exit"_s, u"No"_s, save, {{SoupNote, ""}},
                    u"window=closed"_s);
        addScenario("closing with a changed note: Yes saves it, then Today's List is asked about",
                    {{Soup, ""}, {Today, "<dir>"}}, u"do tbSpecial; "_s + changed + u"close"_s,
                    u"OK; =Milk; Yes; No"_s,
                    u"16 File Error|todays.lst*; input One-time item|Special item...|; "_s + save +
                        u"; 292 Confirm|todays.lst could not be read*"_s,
                    {{SoupNote, "Simmer\r\n"}, {Today, "<dir>"}}, u"window=closed"_s);

        const QString unstorable = u"292 Confirm|Some characters of this note cannot be stored*"_s;
        addScenario("a note that cannot be stored whole: No keeps the editor, Yes saves ?", soup,
                    open + u"type EditorBox Ume \U0001F34E; press EditSave; press EditSave"_s,
                    u"No; Yes"_s, unstorable + u"; "_s + unstorable, {{SoupNote, "Ume ?\r\n"}},
                    u"EditorFrame=hidden"_s);
        const Files printable{
            {Soup, ""}, {SoupNote, QByteArray(100, 'a') + " bb cc"}, {Today, "Dairy\xb0 Milk\r\n"}};
        const QString print = open + u"press EditPrint"_s;
        const QString ready = u"291 Ready to print...|Print your shopping list too?; "_s;
        const QString names = u"291 Ready to print...|Include Category Names?"_s;
        // 12000 twips less 4000 for the page, 100 a character: 79 characters fit a line.
        const QString note = u"printout="_s + QString(100, u'a') + u" |bb cc|#page|"_s;
        addScenario("the note printed alone, once Print is not cancelled", printable,
                    print + u"; press EditPrint"_s, u"Cancel; No"_s, ready + ready, {},
                    note + u"#end; EditorFrame= Notes on Soup "_s);
        addScenario("the note printed with Today's List", printable, print, u"Yes; No"_s,
                    ready + names, {}, note + u"||Vittlo! DATE|||     Milk|#end"_s);
    }
    void notes() { runScenario(); }
};

QTEST_MAIN(RecipesTest)
#include "tst_recipes.moc"
