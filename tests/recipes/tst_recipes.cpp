#include "TempDirTest.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestFiles::Files;

// Most tests here are tables of scenarios; TempDirTest.h says how to read a row.

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
        // A name another system made, with its blanks: used under its own file name.
        addScenario(
            "Get and Delete of \" Soup \" act on \" Soup .rcp\"",
            {.before = {{u" Soup .rcp"_s, "Leeks\r\n"}, {Soup, "Milk\r\n"}},
             .steps = u"do tbMakeList; click File1 0; press RunMacro; press KillMac"_s,
             .boxes =
                 u"Confirm YesNo Question|Add  Soup  ingredients to Today's List? => Yes; Confirm "
                 "YesNo Question default-No|Delete list:  Soup  ? => Yes; Confirm YesNo "
                 "Question|Delete note file too? => No"_s,
             .after = {{u" Soup .rcp"_s, "<missing>"}, {Soup, "Milk\r\n"}},
             .shows = u"File1=Soup.rcp; TmpList=Leeks"_s});
        const QString named = u"input New Recipe|New recipe name...| => "_s;
        const QString replace = u"Confirm YesNo Question default-No|Replace the Soup ingredient "
                                "list with Today's List? => "_s;
        // Cancelled, a new name, an existing one (No, then Yes), a name of 120 characters.
        const QString x120(120, u'x');
        addScenario("New records Today's List",
                    {.before = {{Soup, "old\r\n"}, {Today, "Milk\r\n"}},
                     .steps = u"do tbMakeList"_s + u"; press Command1"_s.repeated(5),
                     .boxes = u"%1=; %1=Stew; %1=Soup; %2No; %1=Soup; %2Yes; %1=%3"_s.arg(
                         named, replace, x120),
                     .after = {{Soup, "Milk\r\n"},
                               {u"Stew.rcp"_s, "Milk\r\n"},
                               {x120 + u".rcp"_s, "Milk\r\n"}},
                     .shows = u"File1=Soup.rcp|Stew.rcp|"_s + x120 + u".rcp; MacName="_s});
        // A file named ".rcp" is a recipe without a name: Delete does nothing for it.
        addScenario(
            "the recipe list ignores case; Recipes again forgets the active one",
            {.before = {{u"cherry.rcp"_s, ""},
                        {u"Banana.rcp"_s, ""},
                        {u"apple.rcp"_s, ""},
                        {u".rcp"_s, ""},
                        {u"Fig.RCP"_s, ""}},
             .steps =
                 u"do tbMakeList; click File1 0; press KillMac; click File1 1; do tbMakeList"_s,
             .shows =
                 u"File1=.rcp|>apple.rcp|Banana.rcp|cherry.rcp; MacName=; Toolbar1=000001111"_s});
        // Delete on Yes, keeping the note.
        const Files withNote{{Soup, "Leeks\r\n"}, {SoupNote, "Simmer\r\n"}, {u"Stew.rcp"_s, ""}};
        const QString del = u"Confirm YesNo Question default-No|Delete list: Soup ? => "_s;
        const QString withItsNote = u"Confirm YesNo Question|Delete note file too? => No"_s;
        addScenario("the recipe under the highlight is the active one, by any key",
                    {.before = withNote,
                     .steps = PickSoup + u"key File1 Down; press KillMac; key File1 Home; press "
                                         "KillMac; key File1 Down; key File1 Up; press KillMac"_s,
                     .boxes = u"Confirm YesNo Question default-No|Delete list: Stew ? => No; "_s +
                              del + u"No; "_s + del + u"Yes; "_s + withItsNote,
                     .after = {{Soup, "<missing>"}, {SoupNote, "Simmer\r\n"}, {u"Stew.rcp"_s, ""}},
                     .shows = u"File1=Stew.rcp"_s});
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
            addScenario(message, {.before = soup,
                                  .steps = steps,
                                  .boxes = u"Nothing to do! OK Exclamation default-2|"_s +
                                           QLatin1String(message) + u" => OK"_s,
                                  .after = {{Soup, "Milk\r\n"}, {SoupNote, "<missing>"}}});
        const QString unusable = u"A recipe name cannot hold any of the characters \\ / : * ? \" "
                                 "< > | or a control character*"_s;
        const QString reserved = u"A recipe cannot be named \"*\": its notes would be kept in "
                                 "import.txt, the file that File > Import reads."_s;
        const QList<QByteArray> names{"../Soup", "a\\b",  "a:b", "..",     "Soup.",
                                      "Soup ",   " Soup", "   ", "So\tup", QByteArray(121, 'x'),
                                      "import",  "IMPORT"};
        for (const QByteArray& name : names)
            addScenario(name.constData(),
                        {.steps = u"do tbMakeList; press Command1"_s,
                         .boxes = u"input New Recipe|New recipe name...| => ="_s +
                                  QString::fromLatin1(name) +
                                  u"; Nothing to do! OK Exclamation default-2|"_s +
                                  (name.toLower() == "import" ? reserved : unusable) + u" => OK"_s,
                         .after = {{u"../Soup.rcp"_s, "<missing>"}, {u"import.rcp"_s, "<missing>"}},
                         .shows = u"File1="_s});
    }
    void refusals() { runScenario(); }

    void notes_data() {
        addScenarioColumns();
        const Files soup{{Soup, ""}};
        const QString open = PickSoup + u"press NoteButton; "_s;
        const QString quit = u"Confirm YesNo Question default-No|Quit without saving?"_s;
        // A note typed and taken back closes without a question; a changed one asks.
        addScenario("a changed note: No keeps the editor, Yes drops the change",
                    {.before = soup,
                     .steps = open +
                              u"type EditorBox x; key EditorBox Backspace; press EditCancel; "
                              "press NoteButton; type EditorBox Simmer; press EditCancel; "
                              "press EditCancel"_s,
                     .boxes = quit + u" => No; "_s + quit + u" => Yes"_s,
                     .after = {{SoupNote, ""}},
                     .shows = u"EditorFrame=hidden; MacroFrame= Available Recipes "_s});
        addScenario("a frame's title shows the name as it is",
                    {.before = {{u"Mac & Cheese.rcp"_s, ""}},
                     .steps = u"do tbMakeList; click File1 0; press NoteButton"_s,
                     .shows = u"EditorFrame= Notes on Mac && Cheese "_s});
        // Opening takes off the line break that saving adds, so a note saved unchanged keeps its
        // bytes; one without a final line break opens whole.
        const QList<std::pair<const char*, QByteArray>> kept{
            {"a note saved unchanged keeps its bytes", "Simmer\r\ngently\r\n"},
            {"a note ending in an empty line keeps it", "Simmer\r\n\r\n"},
            {"a note without a final line break gains one", "Simmer\r\ngently"}};
        for (const auto& [name, note] : kept)
            addScenario(name,
                        {.before = {{Soup, ""}, {SoupNote, note}},
                         .steps = open + u"press EditSave; press NoteButton; press EditSave"_s,
                         .after = {{SoupNote, note.endsWith('y') ? note + "\r\n" : note}},
                         // The editor's lines are the note's lines.
                         .shows = u"EditorFrame=hidden; EditorBox="_s +
                                  QString::fromLatin1(note)
                                      .replace(u"\r\n"_s, u"\n"_s)
                                      .chopped(note.endsWith('y') ? 0 : 1)});

        // Closing the window with a changed note asks first, before Today's List.
        const QString changed = open + u"type EditorBox Simmer; "_s;
        const QString save =
            u"Confirm YesNoCancel Question|Save the changes to the notes on Soup?"_s;
        // Cancel keeps the window and the changed note, so File > Exit asks again.
        addScenario("closing with a changed note: Cancel keeps it, No drops the change",
                    {.before = soup,
                     .steps = changed + u"close; do MU_File_Exit"_s,
                     .boxes = save + u" => Cancel; "_s + save + u" => No"_s,
                     .after = {{SoupNote, ""}},
                     .shows = u"window=closed"_s});

        const Files printable{
            {Soup, ""}, {SoupNote, QByteArray(100, 'a') + " bb cc"}, {Today, "Dairy\xb0 Milk\r\n"}};
        const QString print = open + u"press EditPrint"_s;
        const QString ready =
            u"Ready to print... YesNoCancel Question default-No|Print your shopping list too? => "_s;
        // 12000 twips less 4000 for the page, 100 a character: 79 characters fit a line.
        const QString note = u"printout="_s + QString(100, u'a') + u" |bb cc|#page|"_s;
        // Cancelled, then the note alone, then with Today's List after it in the same document.
        addScenario("the note printed",
                    {.before = printable,
                     .steps = print + u"; press EditPrint; press EditPrint"_s,
                     .boxes = ready + u"Cancel; "_s + ready + u"No; "_s + ready +
                              u"Yes; Ready to print... YesNoCancel Question default-No|Include "
                              "Category Names? => No"_s,
                     .shows = note + u"#end|"_s + note.mid(9) +
                              u"||Vittlo! DATE|||     Milk|#end; printjob=Soup; EditorFrame= "
                              "Notes on Soup "_s});
    }
    void notes() { runScenario(); }
};

QTEST_MAIN(RecipesTest)
#include "tst_recipes.moc"
