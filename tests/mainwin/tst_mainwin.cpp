#include "DataFolder.h"
#include "EndSignals.h"
#include "MainScreen.h"
#include "PrinterTarget.h"
#include "ScriptedDialogs.h"
#include "SplashForm.h"
#include "StandardDialogs.h"
#include "TempDirTest.h"
#include "TodaysList.h"
#include "TodaysListPrintout.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <csignal>
#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestFiles::cats;
using TestFiles::Files;
using TestFiles::items;

// Most tests here are tables of scenarios; TempDirTest.h says how to read a row.

namespace {

const QString Cat = u"category.lst"_s;
const QString Std = u"std_item.lst"_s;
const QString Today = u"todays.lst"_s;

// Bakery, Dairy and Fruit, with items of Dairy, " Dairy" and "fruit", and Today's List.
Files shop(const QByteArray& todaysList = {}) {
    return {{Cat, cats({"Bakery", "Dairy", "Fruit"})},
            {Std, items({{"Dairy", "Milk"}, {"fruit", "Apples"}, {" Dairy", "Cream"}}) +
                      items({{"Dairy", "Butter"}, {"Dairy", "Milk"}})},
            {Today, todaysList}};
}

} // namespace

class MainWindowTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void lists_data() {
        addScenarioColumns();
        const QByteArray unsorted = cats({"produce", "Dairy", "bakery", "dairy"}) + "tail";
        addScenario(
            "lists sort without regard to case, an incomplete record is kept, any line end",
            {.before = {{Cat, unsorted}, {Today, "b\r\nA\rC\na"}},
             .after = {{Cat, unsorted}},
             .shows = u"CatList=bakery~24|Dairy~25|dairy~25|produce~23; TmpList=A|a|b|C"_s});
        // An entry goes after those equal to it but for case.
        const QByteArray upper =
            "Bakery\xb0 Bread\r\nDAIRY\xb0 MILK" + QByteArray(26, ' ') + "\r\nZoo\r\n";
        addScenario(
            "an item double-clicked or entered goes on Today's List",
            {.before = shop(upper),
             .steps = u"click CatList 1; key StdList Return; dclick StdList 1; click TmpList 3; "
                      "click StdList 0; key StdList Enter"_s,
             .after = {{Today,
                        "Bakery\xb0 Bread\r\nDairy\xb0 Butter\r\nDAIRY\xb0 MILK\r\nDairy\xb0 "
                        "Milk\r\nZoo\r\n"}},
             .shows = u"TmpList=Bakery\u00b0 Bread|Dairy\u00b0 Butter~24|DAIRY\u00b0 MILK~26|"
                      "Dairy\u00b0 Milk~26|>Zoo; sb_today=5 Items: Today's List~7; "
                      "catalogue.pickedItem=; "
                      "StdList=>Butter~24|Milk~26|Milk~26; sb_cat= 3 Items: Dairy~25; "
                      "catalogue.pickedCategory=Dairy~25"_s});
        // The box shows the entry without its trailing blanks, a tab kept as typed.
        const Files five{{Today, "A\r\nBakery\xb0 Bread\t  \r\nC\r\nD\r\nE\r\n"}};
        const QString retype = u"input Make changes|Modify item...|Bakery\u00b0 Bread\t"_s;
        addScenario(
            "a retype puts the entry on top, a cancelled one leaves it",
            {.before = five,
             .steps = u"click TmpList 1; rclick TmpList 3; key TmpList Return"_s,
             .boxes = retype + u" => =; "_s + retype + u" => =Zest\u00b0 Rolls "_s,
             .shows = u"TmpList=>Zest\u00b0 Rolls |A|C|D|E; sb_today=5 Items: Today's List~7"_s});
        // Delete takes nothing off without a highlighted entry, nor in the catalogue's lists.
        addScenario(
            "closing writes Today's List trimmed, in list order",
            {.before = shop("  \tZoo\t  \r\n\r\n   \r\nBakery\xb0 Bread\r\n"),
             .steps =
                 u"key TmpList Delete; click TmpList 3; key StdList Delete; key CatList Delete; "
                 "click CatList 1; dclick StdList 1; dclick TmpList 0; close"_s,
             .after = {{Today, "\tZoo\t\r\nBakery\xb0 Bread\r\nDairy\xb0 Milk\r\n"}},
             .shows = u"window=closed; TmpList=  \tZoo\t~2|~3|Bakery\u00b0 Bread|>Dairy\u00b0 "
                      "Milk~26"_s});
        const QString unsaved = u"File Error OK Stop|todays.lst\n\n* => OK; Confirm YesNo Question "
                                "default-No|Today's List could not be saved.* => "_s;
        addScenario("a list that cannot be saved: No keeps the window, Yes closes it",
                    {.before = {{Today, "A\r\n"}},
                     .steps = u"rm todays.lst; mkdir todays.lst; close; do MU_File_Exit"_s,
                     .boxes = unsaved + u"No; "_s + unsaved + u"Yes"_s,
                     .after = {{Today, "<dir>"}},
                     .shows = u"window=closed; TmpList=A"_s});
        const QString special = u"input One-time item|Special item...| => "_s;
        const QString unread = u"Confirm YesNo Question default-No|todays.lst could not be read "
                               "when* => "_s;
        const QString clear =
            u"Confirm YesNo Question default-No|Clear Today's List and Start Over ? => Yes; "_s;
        // Clear empties the window's list, but leaves the file it never read.
        for (const bool replaced : {true, false})
            addScenario(
                replaced ? "a list unread at start-up is replaced on Yes, and asked once"
                         : "a list unread at start-up is left on No, also by Clear",
                {.before = {{Today, "<dir>"}},
                 .steps = replaced ? u"do tbSpecial; rm todays.lst; do MU_File_Exit"_s
                                   : u"do tbSpecial; do tbClear; do tbSpecial; wait; close"_s,
                 .boxes = u"File Error OK Stop|todays.lst\n\n* => OK; "_s + special + u"=Milk; "_s +
                          (replaced ? QString() : clear + special + u"=Eggs; "_s) + unread +
                          (replaced ? u"Yes"_s : u"No"_s),
                 .after = {{Today, replaced ? "special\xb0 Milk\r\n" : "<dir>"}},
                 .shows = u"window=closed"_s});
        // A tick writes nothing; a change is written a moment later, a failure told once.
        addScenario(
            "changes reach the file without closing; a failed write is told once",
            {.before = {{Today, "A\r\n"}},
             .steps = u"rm todays.lst; mkdir todays.lst; tick TmpList 0; wait; do tbSpecial; wait; "
                      "do tbSpecial; wait; rm todays.lst; do tbSpecial; wait"_s,
             .boxes = u"input One-time item|* => =B; File Error OK Stop|todays.lst\n\n* => OK; "
                      "input One-time item|* => =C; input One-time item|* => =D"_s,
             .after = {{Today, "A\r\nspecial\xb0 B\r\nspecial\xb0 C\r\nspecial\xb0 D\r\n"}},
             .shows = u"TmpList=+A|special\u00b0 B|special\u00b0 C|>special\u00b0 D"_s});
        // Nor files too large to be the program's, nor pipes, where opening would wait for ever.
        addScenario("files that cannot be read at start-up are not written",
                    {.before = {{Cat, "<dir>"}, {Today, "<fifo>"}},
                     .steps = u"grow import.txt 257; start; do MU_Import; close"_s,
                     .boxes =
                         u"File Error OK Stop|category.lst\n\n* => OK; File Error OK "
                         "Stop|todays.lst\n\nIt is not an ordinary file* => OK; Ready to import... "
                         "YesNo Question default-No|* => Yes; File Error OK Stop|import.txt\n\nThe "
                         "file is larger than 256 MB, too large to read. => OK"_s,
                     .after = {{Cat, "<dir>"}, {Today, "<fifo>"}},
                     .shows = u"window=closed"_s});
        // One cause, one box: every step of the start that meets the journal would tell it.
        const Files cutShort{{u"catalogue.jnl"_s,
                              "vittlo catalogue journal 2\nrename std_item.tmp std_item.lst\ncheck "
                              "bca9bdb161c12abdddd26dc61c743ba0fc0f5f25f10838fa865fb43b704948e4\n"},
                             {u"std_item.tmp"_s, items({{"Dairy", "Cream"}})},
                             {Std, "<dir>"}};
        addScenario("a change cut short that cannot be finished is told once",
                    {.before = cutShort,
                     .boxes = u"File Error OK Stop|std_item.lst\n\n* => OK"_s,
                     .after = cutShort});
        // Groups follow the list's order and the case of their names; an entry without a
        // category goes under the group before it.
        addScenario(
            "Ctrl+C copies Today's List as printed with names, without trailing blanks",
            {.before =
                 {{Today,
                   "Dairy\xb0 Milk\r\nDairy\xb0 Eggs  \r\nbread rolls\r\nProduce\xb0 "
                   "Apples\r\n  Fish\xb0  Cod  \r\ndairy\xb0 Yoghurt\r\nPizza 180\xb0\x43\r\n"}},
             .steps = u"tick TmpList 3; key TmpList Ctrl+C"_s,
             .shows =
                 u"clipboard=Vittlo! DATE|||Fish|      Cod|     bread rolls||Dairy|     Eggs|"
                 "   * Milk||dairy|     Yoghurt|     Pizza 180\u00b0\x43||Produce|     Apples|"_s});
    }
    void lists() { runScenario(); }

    void categoryCommands_data() {
        addScenarioColumns();
        const QString newCat = u"input New Category|New category name...| => "_s;
        const QString delCat = u"Confirm YesNo Stop default-No|Delete Category: Dairy ? => "_s;
        // Cancelled, refused in other case or letter by letter, blanks once, over a tail; a name
        // the catalogue cannot hold whole is asked about: No adds nothing, Yes stores "?".
        const QByteArray strasse = "Stra\xdf"
                                   "e";
        const QString unstorable =
            u"Confirm YesNo Question default-No|Some characters of this name "
            "cannot be stored and will be saved as \"?\". Save anyway? => "_s;
        addScenario(
            "New Cat appends names not held, trimmed and in any case",
            {.before = {{Cat, cats({"Dairy", strasse}) + "Bak"}},
             .steps = u"click CatList 0"_s + u"; do tbNewCat"_s.repeated(7),
             .boxes =
                 u"%1=; %1=  dAIRY ; %1=strasse; %1=   ; %1=   ; %1=\u0141\u00f3d\u017a "
                 "market; %2No; %1=\u0141\u00f3d\u017a market; %2Yes"_s.arg(newCat, unstorable),
             .after = {{Cat, cats({"Dairy", strasse, "strasse", "", "?\xf3\x64? market"})}},
             .shows = u"CatList=~30|?\u00f3d? market~19|Dairy~25|strasse~23|Stra\u00dfe~24"_s});
        addScenario(
            "Edit Cat renames the first of the name and moves its items",
            {.before = {{Cat, cats({"Bakery", "Dairy", "Dairy"})},
                        {Std, items({{"Dairy", "Milk"}, {"dairy", "Cream"}, {"Dairy", "Butter"}})}},
             .steps = u"click CatList 1; click StdList 0; do tbEditCat"_s,
             .boxes = u"input New Category|Change category name...|Dairy => =Milk Products"_s,
             .after = {{Cat, cats({"Bakery", "Milk Products", "Dairy"})},
                       {Std, items({{"Milk Products", "Milk"},
                                    {"dairy", "Cream"},
                                    {"Milk Products", "Butter"}})}},
             .shows = u"CatList=Bakery~24|Dairy~25|>Milk Products~17; StdList=Butter~24|Milk~26; "
                      "catalogue.pickedItem=; sb_cat= 2 Items: Milk Products~17"_s});
        // The boxes start from the name or entry without its fill; an answer left as it was
        // stores the same bytes.
        const Files same{
            {Cat, cats({"Dairy"})}, {Std, items({{"Dairy", "Milk"}})}, {Today, "A\r\n"}};
        addScenario(
            "Edit Cat and a retype left as they were",
            {.before = same,
             .steps = u"click CatList 0; dclick StdList 0; do tbEditCat; click TmpList 1; "
                      "key TmpList Return"_s,
             .boxes = u"input New Category|Change category name...|Dairy => =Dairy; input "
                      "Make changes|Modify item...|Dairy\u00b0 Milk => =Dairy\u00b0 Milk"_s,
             .after = {{Cat, same[Cat]}, {Std, same[Std]}, {Today, "Dairy\xb0 Milk\r\nA\r\n"}}});
        // The order's file is trouble of its own: the rename is done, shown and told.
        addScenario("Edit Cat beside shops that cannot be read",
                    {.before = {{Cat, cats({"Bakery", "Dairy"})},
                                {Std, items({{"Dairy", "Milk"}})},
                                {u"shops.lst"_s, "<dir>"}},
                     .steps = u"click CatList 1; do tbEditCat; do tbNewItem"_s,
                     .boxes = u"File Error OK Stop|shops.lst\n\n* => OK; input New Category|* => "
                              "=Milk Products; File Error OK Exclamation|Dairy is renamed Milk "
                              "Products, but the shops could not be changed and were left as they "
                              "were.\n\nshops.lst\n\n* => OK; input New item|New item for "
                              "category: Milk Products~17| => =rye"_s,
                     .after = {{Cat, cats({"Bakery", "Milk Products"})},
                               {Std, items({{"Milk Products", "Milk"}, {"Milk Products", "rye"}})}},
                     .shows = u"CatList=Bakery~24|>Milk Products~17"_s});
        addScenario(
            "Del Cat on Yes removes every record of the name; New Cat brings the items back",
            {.before = {{Cat, cats({"Dairy", "Bakery", "Dairy"}) + "tail"},
                        {Std, items({{"Dairy", "Milk"}})},
                        {u"category.tmp"_s, QByteArray(300, 'x')}},
             .steps = u"click CatList 1; do tbDeleteCat; do tbDeleteCat; do tbDeleteCat; do "
                      "tbNewCat"_s,
             .boxes = delCat + u"No; "_s + delCat +
                      u"Yes; Nothing to do! OK Exclamation default-2|Please pick a category to "
                      "delete. => OK; "_s +
                      newCat + u"=Dairy"_s,
             .after = {{Cat, cats({"Bakery", "Dairy"})}, {u"category.tmp"_s, "<missing>"}},
             .shows = u"StdList=; sb_cat=Pick a Category!"_s});
    }
    void categoryCommands() { runScenario(); }

    void itemCommands_data() {
        addScenarioColumns();
        const Files milk{
            {Cat, cats({"Bakery", "Dairy"})},
            {Std,
             items(
                 {{"Dairy", "Milk"}, {"Bakery", "Milk"}, {"Dairy", "Butter"}, {"Dairy", "Milk"}})}};
        const QString delItem = u"Confirm YesNo Exclamation default-No|Delete Item: Dairy Milk ?"_s;
        addScenario(
            "Del Item removes every record of it in its category",
            {.before = milk,
             .steps = u"click CatList 1; click StdList 1; do tbDeleteItem; click StdList 1; do "
                      "tbDeleteItem"_s,
             .boxes = delItem + u" => No; "_s + delItem + u" => Yes"_s,
             .after = {{Std, items({{"Bakery", "Milk"}, {"Dairy", "Butter"}})},
                       {u"std_item.tmp"_s, "<missing>"}},
             .shows = u"StdList=Butter~24; sb_cat=1 Items: Dairy~25; catalogue.pickedItem="_s});
        // A character the list cannot hold is asked about: No adds nothing, Yes stores "?".
        const QString special = u"input One-time item|Special item...| => "_s;
        const QString unstorable = u"Confirm YesNo Question default-No|Some characters of this "
                                   "entry cannot be stored and will be saved as \"?\". Save "
                                   "anyway? => "_s;
        addScenario(
            "Special adds the text as typed, pasted line breaks as blanks, unless cancelled",
            {.before = {{Today, "A\r\nZ\r\n"}},
             .steps = u"do tbSpecial; do tbSpecial; do tbSpecial; do tbSpecial; do tbSpecial"_s,
             .boxes = u"%1=; %1=  eggs  ; %1=ham\r\nand\rcheese\nx; %1=\u2713 milk; %2No; "
                      "%1=\u2713 milk; %2Yes"_s.arg(special, unstorable),
             .after = {{Today, "A\r\nspecial\xb0   eggs\r\nspecial\xb0 ? milk\r\nspecial\xb0 "
                               "ham and cheese x\r\nZ\r\n"}},
             .shows =
                 u"TmpList=A|special\u00b0   eggs~2|>special\u00b0 ? milk|special\u00b0 ham and "
                 "cheese x|Z; sb_today=5 Items: Today's List~7"_s});
        const QString clear =
            u"Confirm YesNo Question default-No|Clear Today's List and Start Over ?"_s;
        // Del Item after Clear asks for a pick again.
        addScenario("Clear deletes the file on Yes, not on No",
                    {.before = shop("A\r\nZ\r\n"),
                     .steps = u"click CatList 1; click StdList 0; do tbClear; dclick StdList 0; "
                              "click StdList 0; do tbClear; wait; do tbDeleteItem; clip kept; key "
                              "TmpList Ctrl+C"_s,
                     .boxes = clear + u" => No; "_s + clear +
                              u" => Yes; Nothing to do!*|Please pick an item (on the left) to "
                              "delete. => OK"_s,
                     .after = {{Today, "<missing>"}, {Std, shop()[Std]}},
                     .shows = u"TmpList=; sb_today=0 Items: Today's List~7; clipboard=kept"_s});
        const Files list{{Today, "Dairy\xb0 Milk\r\nspecial\xb0 eggs\r\n"}};
        const QString ready =
            u"Ready to print... YesNoCancel Question default-No|Include Category Names? => "_s;
        // Cancelled, with category names (ticked entries marked), to a file without a printer,
        // and on a failing printer, which changes nothing.
        addScenario(
            "Print",
            {.before = list,
             .steps = u"tick TmpList 0; click TmpList 1; do tbPrint; do tbPrint; noprinter; do "
                      "tbPrint; printerfails The printer is out of paper.; do tbPrint"_s,
             .boxes = u"%1Cancel; %1Yes; %1No; Printed to a file OK Information|No printer is "
                      "installed, so the printout was saved as\n*printout.pdf => OK; %1Yes; Print "
                      "Error OK Stop|The printer is out of paper. => OK"_s.arg(ready),
             .after = list,
             .shows = u"printout=||Vittlo! DATE|||Dairy~3|   * Milk||special~3|     eggs|#end|||"
                      "Vittlo! DATE|||   * Milk||     eggs|#end; TmpList=+Dairy\u00b0 "
                      "Milk|special\u00b0 eggs; printjob=Vittlo! Today's List; cursor=normal"_s});
    }
    void itemCommands() { runScenario(); }

    void bulk_data() {
        addScenarioColumns();
        const QString ready =
            u"Ready to import... YesNo Question default-No|Import file format:* => "_s;
        const QString lossy = u"Ready to import... YesNo Question default-No|Some characters of "
                              "IMPORT.TXT cannot be stored and will be saved as \"?\". Import "
                              "anyway? => "_s;
        // The store's own tests read the file's every form; here the import is asked about,
        // shown and reported, and a missing file named with where it was looked for.
        addScenario(
            "Import appends the file on Yes, asking about characters it cannot store",
            {.before = {{Cat, cats({"Fish"})},
                        {Std, items({{"Fish", "Cod"}})},
                        {Today, "A\r\n"},
                        {u"import.txt"_s, "[!]Dairy\r\n[!]\xc5\x81\xc3\xb3\x64\xc5\xba\r\nmilk"}},
             .steps = u"click CatList 0; do MU_Import; do MU_Import; do MU_Import; rm import.txt; "
                      "do MU_Import"_s,
             .boxes = u"%1No; %1Yes; %2No; %1Yes; %2Yes; %1Yes; Import failed! OK Exclamation "
                      "default-2|Can't find file IMPORT.TXT*\r\n\r\nIMPORT.TXT is looked for "
                      "in: /* => OK"_s.arg(ready, lossy),
             .after = {{Cat, cats({"Fish", "Dairy", "?\xf3\x64?"})},
                       {Std, items({{"Fish", "Cod"}, {"?\xf3\x64?", "milk"}})}},
             .shows = u"CatList=?\u00f3d?~26|Dairy~25|Fish~26; catalogue.pickedCategory=Fish~26; "
                      u"TmpList=A; "
                      "sb_today=1 Items: Today's List~7; statusmessage=Imported: 2 categories and "
                      "1 item."_s});
        const QString purge =
            u"Confirm YesNo Stop default-No|When you delete a category, the line items remain*"_s;
        // An ordinary start deletes std_item.new alone; the upgrade's merge on Yes: see the
        // starter catalogue's tests of the shell.
        const Files shipped{{Cat, cats({"Fruit", "Dairy", " Fruit"})},
                            {Std, items({{"Dairy", "Milk"}, {"fruit", "Lime"}, {"Old", "Tea"}}) +
                                      items({{" Fruit", "Fig"}, {"Dairy", "Eggs"}})},
                            {u"std_item.new"_s, ""},
                            {u"category.new"_s, cats({"Dairy"})}};
        addScenario(
            "Purge keeps the items of a category once, grouped in category order",
            {.before = shipped,
             .steps = u"click CatList 1; click StdList 0; do MU_Purge; do MU_Purge"_s,
             .boxes = purge + u" => No; "_s + purge + u" => Yes"_s,
             .after = {{Std, items({{" Fruit", "Fig"}, {"Dairy", "Milk"}, {"Dairy", "Eggs"}})},
                       {u"std_item.tmp"_s, "<missing>"},
                       {u"std_item.new"_s, "<missing>"},
                       {u"category.new"_s, cats({"Dairy"})}},
             .shows = u"StdList=Eggs~26|Milk~26; sb_cat= 2 Items: Dairy~25; "
                      "statusmessage=Purged: 2 orphan items removed."_s});
    }
    void bulk() { runScenario(); }

    // The program as a child process, ended from outside right after a change, or killed once
    // the change had time to be written: Today's List and an open note are on disk.
    void endedFromOutside_data() {
        QTest::addColumn<QList<int>>("endings");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<Files>("after");
        QTest::newRow("SIGTERM, SIGHUP, SIGINT, and SIGKILL a second after")
            << QList<int>{SIGTERM, SIGHUP, SIGINT, SIGKILL}
            << u"click CatList 0; dclick StdList 0"_s << Files{{Today, "A\r\nDairy\xb0 Milk\r\n"}};
        QTest::newRow("SIGTERM with a note typed")
            << QList<int>{SIGTERM}
            << u"do tbMakeList; click File1 0; press NoteButton; type EditorBox Simmer"_s
            << Files{{u"Soup.txt"_s, "Simmer\r\n"}, {Today, "A\r\n"}};
        // The box is answered No: nothing is merged, and the question comes again next time.
        // Over the splash form the box comes after the signal, and gives its safe answer unseen.
        const Files unmerged{{Std, items({{"Dairy", "Milk"}})},
                             {u"std_item.new"_s, items({{"Fish", "Cod"}})},
                             {u"vittlo.lck"_s, "<missing>"}};
        QTest::newRow("SIGTERM at the upgrade question, before the main loop")
            << QList<int>{SIGTERM} << u"start-up question"_s << unmerged;
        QTest::newRow("SIGTERM while the splash form holds the upgrade question back")
            << QList<int>{SIGTERM} << u"start-up question, splash form"_s << unmerged;
    }
    void endedFromOutside() {
        QFETCH(QList<int>, endings);
        QFETCH(QString, steps);
        QFETCH(Files, after);
        for (const int signal : endings) {
            TestFiles::writeAll(m_dir, {{Today, "A\r\n"},
                                        {u"Soup.rcp"_s, ""},
                                        {Cat, cats({"Dairy"})},
                                        {Std, items({{"Dairy", "Milk"}})}});
            if (steps.startsWith(u"start-up question"))
                TestFiles::writeAll(m_dir, {{u"std_item.new"_s, items({{"Fish", "Cod"}})}});
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"VITTLO_CHILD_DIR"_s, m_dir.path());
            environment.insert(u"VITTLO_CHILD_STEPS"_s, steps);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), QStringList());
            QVERIFY(child.waitForStarted());
            while (!child.readAllStandardOutput().contains("ready"))
                QVERIFY(child.waitForReadyRead(20000));
            if (signal == SIGKILL)
                QTest::qWait(1500); // a second and a half
            ::kill(pid_t(child.processId()), signal);
            QVERIFY(child.waitForFinished(20000));
            if (signal != SIGKILL) {
                QCOMPARE(child.exitStatus(), QProcess::NormalExit);
                QCOMPARE(child.exitCode(), 0);
            }
            TestFiles::verifyAll(m_dir, after);
        }
    }

    // Find Items: by item or category, without regard to case or accents, in the lists' order,
    // never an item whose category is gone; Enter or a double-click adds as the item list does.
    void find_data() {
        addScenarioColumns();
        const Files shop{{Cat, cats({"Dairy", "Bakery", "Cr\xe8merie"})},
                         {Std, items({{"Dairy", "cr\xe8me fra\xee"
                                                "che"},
                                      {"Bakery", "CREME brioche"},
                                      {"Gone", "Creme"},
                                      {"Cr\xe8merie", "Butter"},
                                      {"Dairy", "Milk"}})}};
        addScenario("items and categories, case and accents ignored; Enter adds the current one",
                    {.before = shop,
                     .steps = u"do Find; type FindBox Crême; key FindBox Down; key FindBox Return; "
                              "key FindBox Up; key FindBox Return"_s,
                     .after = {{Today, "Bakery\xb0 CREME brioche\r\nDairy\xb0 cr\xe8me "
                                       "fra\xee"
                                       "che\r\n"}},
                     .shows = u"FindList=>Bakery\u00b0 CREME brioche|Dairy\u00b0 cr\u00e8me "
                              "fra\u00eeche|Cr\u00e8merie\u00b0 Butter; TmpList=>Bakery\u00b0 "
                              "CREME brioche~17|Dairy\u00b0 cr\u00e8me fra\u00eeche~17; "
                              "FindItems=Find Items"_s});
        // The item named so first, then names that start so, names with a word that does, and
        // the rest, each in the lists' order ("Æ" as "AE", "ß" as "ss", without regard to case);
        // the text may end a name of 30 characters.
        QByteArray baby;
        for (const char* item :
             {"Powdered formula of whole milk", "Strasz milk", "Stra\xdf\x65 milk", "Af milk",
              "\xc6\x62le milk", "Of milk", "\x8cuf milk", "buttermilk", "UHT-milk"})
            baby += items({{"Baby", item}});
        addScenario(
            "the best match first",
            {.before = {{Cat, cats({"Baby", "Dairy", "Milky Way"})},
                        {Std, baby + items({{"Dairy", "milk shake"},
                                            {"Milky Way", "bar"},
                                            {"Dairy", "Milk"}})}},
             .steps = u"do Find; type FindBox milk; key FindBox Return"_s,
             .after = {{Today, "Dairy\xb0 Milk\r\n"}},
             .shows =
                 u"FindList=>Dairy\u00b0 Milk|Dairy\u00b0 milk shake|Baby\u00b0 \u00c6ble milk|"
                 "Baby\u00b0 Af milk|Baby\u00b0 \u0152uf milk|Baby\u00b0 Of milk|Baby\u00b0 "
                 "Powdered formula of whole milk|Baby\u00b0 "
                 "Stra\u00dfe milk|Baby\u00b0 Strasz milk|Baby\u00b0 UHT-milk|Baby\u00b0 "
                 "buttermilk|Milky Way\u00b0 bar"_s});
        // Del Cat takes the highlighted item's category away, so Enter adds the first one; New
        // Cat brings an item in above the highlight, which stays on its item.
        Files orphans = shop;
        orphans[Std] += items({{"Apple", "crumble"}});
        addScenario(
            "the items found follow Del Cat, New Cat, Edit Cat and New Item",
            {.before = orphans,
             .steps = u"do Find; type FindBox cr; key FindBox Down; click CatList 2; do "
                      "tbDeleteCat; key FindBox Return; key FindBox "
                      "Down; do tbNewCat; click CatList 1; do tbEditCat; do tbNewItem"_s,
             .boxes =
                 u"Confirm YesNo Stop default-No|Delete Category: Dairy ? => Yes; input New "
                 "Category|New category name...| => =Apple; input New Category|Change category "
                 "name...|Bakery => =Bread; input New item|* => =Crab"_s,
             .after = {{Today, "Bakery\xb0 CREME brioche\r\n"}},
             .shows = u"FindList=Apple\u00b0 crumble|Bread\u00b0 Crab|Bread\u00b0 CREME "
                      "brioche|>Cr\u00e8merie\u00b0 Butter"_s});
        // Emptied from outside, the categories no longer hold the item highlighted.
        addScenario("a double-click adds; an empty text finds nothing; Escape closes",
                    {.before = shop,
                     .steps = u"do Find; type FindBox milk; dclick FindList 0; touch category.lst; "
                              "key FindBox Return; key FindBox Ctrl+A; key FindBox Backspace; key "
                              "FindBox Escape"_s,
                     .after = {{Today, "Dairy\xb0 Milk\r\n"}},
                     .shows = u"FindList=; FindItems=hidden; TmpList=>Dairy\u00b0 Milk~26"_s});
    }
    void find() { runScenario(); }

    // An entry the list holds already is counted with it, by a double-click, a recipe, or the
    // keys; the file holds it as many times. A count raised is to be bought again and unticks its
    // entry; lowered, the tick stays (and from 1 the entry goes, and a retype keeps the count:
    // see the undo table).
    void quantities_data() {
        addScenarioColumns();
        Files counted = shop("Dairy\xb0 Milk\r\n");
        counted[u"Soup.rcp"_s] = "Eggs\r\nEggs\r\n";
        addScenario(
            "added again, from a recipe and by the keys",
            {.before = counted,
             .steps = u"click CatList 1; dclick StdList 1; do tbMakeList; click File1 0; press "
                      "RunMacro; tick TmpList 1; click TmpList 1; key TmpList +; key TmpList "
                      "Ctrl+Up; tick TmpList 1; key TmpList Ctrl+Down; tick TmpList 0; key "
                      "TmpList Ctrl+C"_s,
             .boxes = u"* => Yes"_s,
             .after = {{Today, QByteArray("Dairy\xb0 Milk\r\n").repeated(2) +
                                   QByteArray("Eggs\r\n").repeated(3)}},
             .shows = u"TmpList=+Dairy\u00b0 Milk \u00d72|>+Eggs \u00d73; sb_today=5 Items: "
                      "Today's List~7; clipboard=Vittlo! DATE|||Dairy|   * Milk \u00d72|   * Eggs "
                      "\u00d73|"_s});
    }
    void quantities() { runScenario(); }

    // Each change of Today's List undone, then done again; the file follows, and ticks of other
    // entries stay.
    void undo_data() {
        addScenarioColumns();
        const Files before{{Cat, cats({"Dairy"})},
                           {Std, items({{"Dairy", "Milk"}})},
                           {Today, "A\r\nC\r\nC\r\n"},
                           {u"Soup.rcp"_s, "B\r\nC\r\n"}};
        struct Change {
            const char* name;
            QString steps;
            QString boxes;
            QByteArray changed;
        };
        const QByteArray milk = "A\r\nC\r\nC\r\nDairy\xb0 Milk\r\n";
        // An undone step puts its entry where the order of the moment puts it.
        const QList<Change> changes{
            {"an item added", u"click CatList 0; dclick StdList 0"_s, {}, milk},
            {"an item added before Shop Order leaves the lists alphabetical",
             u"click CatList 0; dclick StdList 0; do MU_Shops; press AlphabeticalButton; "
             "press OkButton"_s,
             {},
             milk},
            {"an item added before a shop is picked and its aisle renamed",
             u"click CatList 0; dclick StdList 0; do MU_Shops; press AddShopButton; press "
             "OkButton; key ShopPicker Down; do tbEditCat"_s,
             u"* => =Market; * => =Milk Products"_s, "Dairy\xb0 Milk\r\nA\r\nC\r\nC\r\n"},
            {"an entry taken off", u"click TmpList 1; key TmpList Delete"_s, {}, "A\r\n"},
            {"a count raised", u"click TmpList 0; key TmpList +"_s, {}, "A\r\nA\r\nC\r\nC\r\n"},
            {"a count lowered from 1", u"click TmpList 0; key TmpList -"_s, {}, "C\r\nC\r\n"},
            {"an entry retyped", u"click TmpList 1; key TmpList Return"_s, u"* => =Z"_s,
             "Z\r\nZ\r\nA\r\n"},
            {"a one-time item", u"do tbSpecial"_s, u"* => =B"_s,
             "A\r\nC\r\nC\r\nspecial\xb0 B\r\n"},
            {"Clear", u"do tbClear"_s, u"* => Yes"_s, ""},
            {"a recipe's ingredients", u"do tbMakeList; click File1 0; press RunMacro"_s,
             u"* => Yes"_s, "A\r\nB\r\nC\r\nC\r\nC\r\n"},
            {"a found item", u"do Find; type FindBox milk; key FindBox Return"_s, {}, milk}};
        for (const Change& change : changes)
            for (const bool again : {false, true})
                addScenario(qPrintable(QLatin1String(change.name) +
                                       (again ? u" done again"_s : u" undone"_s)),
                            {.before = before,
                             .steps = change.steps +
                                      u"; tick TmpList 0; key TmpList Ctrl+Z; wait"_s +
                                      (again ? u"; key TmpList Ctrl+Shift+Z"_s : QString()),
                             .boxes = change.boxes,
                             .after = {{Today, again ? change.changed : "A\r\nC\r\nC\r\n"}}});
    }
    void undo() { runScenario(); }

    // Each of the nine commands has its key; a key does nothing while its button is disabled.
    void keys_data() {
        addScenarioColumns();
        // Each refusal as the user meets it first: nothing picked, nothing to print.
        const QString refused = u"Nothing to do! OK Exclamation default-2|Please "_s;
        addScenario(
            "every toolbar command from the keyboard, F1 and the about box",
            {.steps = u"key CatList Ctrl+Shift+N; key CatList F2; key CatList Ctrl+Shift+D; key "
                      "CatList Ctrl+N; key CatList Ctrl+D; key CatList Ctrl+T; key CatList "
                      "Ctrl+P; key CatList Ctrl+M; key CatList Ctrl+Shift+Del; key CatList F1; do "
                      "MU_About; key CatList Ctrl+R; key TmpList Ctrl+N; key TmpList "
                      "Ctrl+Shift+N; key TmpList F2; key TmpList Ctrl+D"_s,
             .boxes =
                 u"input New Category|* => =; %1pick a category to edit. => OK; %1pick a category "
                 "to delete. => OK; %1pick a category, then add an item to it. => OK; %1pick an "
                 "item (on the left) to delete. => OK; input One-time item|* => =; %1build a list "
                 "to print. => OK; %1build a list to print. => OK; Confirm YesNo Question "
                 "default-No|Clear Today's List and Start Over ? => No; Vittlo! OK Exclamation "
                 "default-2|Version 1.2\r\nCopyright Brindlecove. All rights reserved. => OK"_s.arg(
                     refused),
             .shows = u"MacroFrame= Available Recipes ; HelpWindow=Vittlo! Help; printout="_s});
    }
    void keys() { runScenario(); }

    // With the shop's order of the aisles set, Today's List, its printout and its copy group the
    // entries by aisle in that order; unplaced categories follow alphabetically, then one-time
    // entries and entries of no category. Today's List's file is no change of it.
    void shops_data() {
        addScenarioColumns();
        const QString shops = u"shops.lst"_s;
        const QByteArray list =
            "Bakery\xb0 Bread\r\nDairy\xb0 Milk\r\nZoo\r\nspecial\xb0 "
            "Candles\r\nProduce\xb0 Apples\r\nFish\xb0 Cod\r\nTins\xb0 Peas\r\n";
        // A shop added is not picked until the picker says so; then the list and the copy follow
        // its aisles (the printout is the copy's, with or without names: see the next row).
        addScenario(
            "added and set with the keys, then picked",
            {.before = {{Cat, cats({"Produce", "Bakery", "Dairy"})}, {Today, list}},
             .steps = u"key TmpList Ctrl+Shift+O; press AddShopButton; key AisleList End; key "
                      "AisleList Alt+Up; key AisleList Alt+Up; press OkButton; key ShopPicker "
                      "Down; key TmpList Ctrl+C; do tbSpecial"_s,
             .boxes = u"input New Shop|New shop's name...| => =  [Market] -1 ; input * => =Eggs"_s,
             .after = {{shops, "> [Market] -1\r\n= [Market] -1\r\n+ Produce\r\n+ Bakery\r\n+ "
                               "Dairy\r\n"}},
             .shows = u"ShopPicker=[Market] -1; TmpList=Produce\u00b0 Apples|Bakery\u00b0 "
                      "Bread|Dairy\u00b0 Milk|Fish\u00b0 Cod|Tins\u00b0 Peas|special\u00b0 "
                      "Candles|>special\u00b0 Eggs|Zoo; clipboard=Vittlo! DATE - [Market] "
                      "-1|||Produce|     Apples||Bakery|     Bread||Dairy|     Milk||Fish|     "
                      "Cod||Tins|     Peas||special|     Candles|     Zoo|"_s});
        // What the shop does not sell comes last, greyed and said so, and printed under its own
        // heading even without category names; the PDF is named after the shop. "All shops" is
        // no order.
        const QByteArray fish = QByteArray(list).replace("Fish", "- Fish");
        const Files two{{Cat, cats({"Bakery", "Dairy", "- Fish", "Produce"})},
                        {shops, "> Market\r\n= Market\r\n+ - Fish\r\n+ Dairy\r\n= Corner/shop\r\n+ "
                                "Dairy\r\n- - Fish\r\n"},
                        {Today, fish}};
        addScenario(
            "switching shops",
            {.before = two,
             .steps = u"key ShopPicker Down; noprinter; do tbPrint"_s,
             .boxes = u"Ready to print* => No; Printed to a file OK Information|No printer is "
                      "installed, so the printout was saved as\n*printout Corner_shop.pdf => OK"_s,
             .after = {{shops, "> Corner/shop\r\n= Market\r\n+ - Fish\r\n+ Dairy\r\n= "
                               "Corner/shop\r\n+ Dairy\r\n- - Fish\r\n"},
                       {Today, fish}},
             .shows = u"TmpList=Dairy\u00b0 Milk|Bakery\u00b0 Bread|Produce\u00b0 "
                      "Apples|Tins\u00b0 Peas|special\u00b0 Candles|Zoo|-- Fish\u00b0 Cod, "
                      "not at Corner/shop; printout=||Vittlo! DATE - Corner/shop|||     Milk||     "
                      "Bread||     Apples||     Peas||     Candles|     Zoo||Not at "
                      "Corner/shop||     Cod|#end"_s});
        addScenario("all shops",
                    {.before = two,
                     .steps = u"key ShopPicker Up; key ShopPicker Up; do Undo"_s,
                     .after = {{shops, "= Market\r\n+ - Fish\r\n+ Dairy\r\n= Corner/shop\r\n+ "
                                       "Dairy\r\n- - Fish\r\n"},
                               {Today, fish}},
                     .shows = u"ShopPicker=All shops; TmpList=- Fish\u00b0 Cod|Bakery\u00b0 "
                              "Bread|Dairy\u00b0 Milk|Produce\u00b0 Apples|special\u00b0 "
                              "Candles|Tins\u00b0 Peas|Zoo"_s});
        // Told once at the start; never written over.
        const Files damaged{
            {Cat, cats({"Dairy"})}, {shops, "= Market\r\n+ Dairy\r\nDairy\r\n"}, {Today, list}};
        addScenario(
            "a damaged file",
            {.before = damaged,
             .steps = u"do MU_Shops"_s,
             .boxes =
                 u"File Error OK Stop|shops.lst\n\nLine 3 is no shop, aisle or pick of Vittlo!'s. "
                 "The file is left as it is, and the lists are alphabetical. => OK; File Error* "
                 "=> OK"_s,
             .after = damaged,
             .shows = u"ShopPicker=All shops"_s});
        // An item added under the new name goes to the aisle at once; the old name keeps it too,
        // for the entries made under it, in every shop. The shop picked is shown first.
        addScenario(
            "kept by Edit Cat and Del Cat, and a deleted category's place by a new order",
            {.before = {{Cat, cats({"Bakery", "Dairy", "Produce", "Tins"})},
                        {Std, items({{"Dairy", "Milk"}})},
                        {shops, "= Corner\r\n- Dairy\r\n\r\n= Market\r\n+ Produce\r\n+ Dairy\r\n+ "
                                "Bakery\r\n> Market\r\n"},
                        {Today, "Bakery\xb0 Bread\r\nTins\xb0 Peas\r\nDairy\xb0 Cream\r\n"}},
             .steps = u"click CatList 1; do tbEditCat; dclick StdList 0; key TmpList Ctrl+C; "
                      "click CatList 0; do tbDeleteCat; do MU_Shops; key AisleList "
                      "End; key AisleList Alt+Up; press OkButton"_s,
             .boxes = u"input * => =Milk Products; Confirm * => Yes"_s,
             .after = {{shops, "> Market\r\n= Corner\r\n- Milk Products\r\n- Dairy\r\n= "
                               "Market\r\n+ Produce\r\n+ Tins\r\n+ Milk Products\r\n+ Dairy\r\n+ "
                               "Bakery\r\n"}},
             .shows = u"clipboard=Vittlo! DATE - Market|||Milk Products|     Milk||Dairy|     "
                      "Cream||Bakery|     Bread||Tins|     Peas|"_s});
        // A shop renamed stays picked; one deleted, nothing is; OK keeps the places of names the
        // catalogue lacks.
        addScenario("renamed, deleted, and OK keeps what an order remembers",
                    {.before = {{Cat, cats({"Bakery", "Dairy"})},
                                {shops, "> Market\r\n= Corner\r\n= Market\r\n+ Gone\r\n"}},
                     .steps = u"do MU_Shops; press RenameShopButton; click ShopNames 0; press "
                              "DeleteShopButton; tick AisleList 0; press OkButton"_s,
                     .boxes =
                         u"input Rename Shop|Change shop's name...|Market => =Stall; Confirm YesNo "
                         "Question default-No|Delete Shop: Corner ? => Yes"_s,
                     .after = {{shops, "> Stall\r\n= Stall\r\n+ Gone\r\n- Bakery\r\n+ Dairy\r\n"}},
                     .shows = u"ShopPicker=Stall"_s});
        addScenario("an imported category is sold, after the ordered aisles",
                    {.before = {{Cat, cats({"Bakery", "Dairy"})},
                                {shops, "> Market\r\n= Market\r\n+ Dairy\r\n- Bakery\r\n"},
                                {u"import.txt"_s, "[!]Apples\r\nGreen"}},
                     .steps = u"do MU_Import; do MU_Shops"_s,
                     .boxes = u"Ready to import* => Yes"_s,
                     .shows = u"AisleList=>+Dairy|Bakery|+Apples"_s});
        // Once: the order of an earlier version becomes "My Shop", picked; its file stays for
        // that version. Without any shop left, it does not come back.
        const Files earlier{{Cat, cats({"Bakery", "Dairy", "Produce"})},
                            {u"aisles.lst"_s, "Produce\r\nDairy\r\n"},
                            {Today, list}};
        addScenario("the order of an earlier version, then every shop deleted",
                    {.before = earlier,
                     .steps = u"do MU_Shops; press AlphabeticalButton; press OkButton; key "
                              "TmpList Ctrl+C; do MU_Shops; press DeleteShopButton; press "
                              "OkButton"_s,
                     .boxes = u"Confirm * => Yes"_s,
                     .after = {{u"aisles.lst"_s, "Produce\r\nDairy\r\n"}, {shops, ""}},
                     .shows = u"ShopPicker=All shops; clipboard=Vittlo! DATE - My "
                              "Shop|||Bakery|     Bread||Dairy|     Milk||Produce|     "
                              "Apples||Fish|     Cod||Tins|     Peas||special|     Candles|     "
                              "Zoo|"_s});
        Files none = earlier;
        none[shops] = "";
        addScenario("no shop comes back",
                    {.before = none, .after = {{shops, ""}}, .shows = u"ShopPicker=All shops"_s});
    }
    void shops() { runScenario(); }

    // What Ctrl+C copies reaches the phone whole: the codes' bytes, read back from the screen by
    // a QR decoder, are its UTF-8 and join to it part by part.
    void sendToPhone_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("codes");
        QTest::newRow("accents, an ampersand and a stored ?")
            << QByteArray("Caf\xe9\xb0 Cr\xe8me at 3\xb0 & \x80 1\r\n?\xf3"
                          "d? market\xb0 Pierogi\r\n")
            << 1;
        // "Vittlo! DATE", two empty lines and "Tins" take 26 bytes, each entry 15; one of 10 fills
        // the code to its 411 bytes, one of 8 to 409 with the UTF-8 hint's room.
        QByteArray beans;
        for (int i = 0; i < 25; ++i)
            beans += "Tins\xb0 Beans " + QByteArray::number(100 + i) + "\r\n";
        QTest::newRow("at the limit") << "Tins\xb0 Bean\r\n" + beans << 1;
        QTest::newRow("at the limit with \u00e9") << "Tins\xb0 \xe9\r\n" + beans << 1;
        QTest::newRow("one byte over with \u00e9") << "Tins\xb0 x\xe9\r\n" + beans << 2;
    }
    void sendToPhone() {
        QFETCH(QByteArray, list);
        QFETCH(int, codes);
        TestFiles::writeAll(m_dir, {{Today, list}});
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        screen.perform(u"key TmpList Ctrl+C; do MU_SendToPhone"_s);
        const QString whole = QGuiApplication::clipboard()->text();
        QString joined;
        for (int part = 1; part <= codes; ++part) {
            screen.verify({u"PartLabel=%1 of %2"_s.arg(part).arg(codes)});
            bool marked = false;
            QString shown = screen.shownQrCode(&marked);
            // Marked as UTF-8 where it is not plain ASCII.
            QCOMPARE(marked, shown.toUtf8() != shown.toLatin1());
            // Each of several says which it is, and one that starts inside an aisle repeats its
            // heading (the last line of the text before it that is neither empty nor an entry).
            const QString header = u"(%1/%2)\n"_s.arg(part).arg(codes);
            QVERIFY2(codes == 1 || shown.startsWith(header), qPrintable(shown.left(20)));
            shown.remove(0, codes == 1 ? 0 : header.size());
            if (part > 1 && !shown.startsWith(u'\n')) {
                const QString heading = shown.section(u'\n', 0, 0);
                const QStringList before =
                    joined.split(u'\n').filter(QRegularExpression(u"^[^ ]"_s));
                QCOMPARE(heading, before.last());
                shown.remove(0, heading.size() + 1);
            }
            joined += shown;
            screen.perform(u"press NextButton"_s);
        }
        QCOMPARE(joined, whole);
    }

    // A new e-mail's body is the copy, in its link up to 8,000 characters: mail programs cut long
    // links, so a longer list opens a message with its subject only, and goes by the clipboard.
    void aLongListByEmail() {
        QByteArray list;
        QList<TodaysListPrintout::Line> entries;
        for (int i = 0; i < 100; ++i) {
            list += "Caf\xe9\xb0 Cr\xe8me & " + QByteArray::number(i) + "\r\n";
            entries.append({u"Caf\u00e9\u00b0 Cr\u00e8me & %1"_s.arg(i)});
        }
        entries.append({u"Zoo\u00b0 a"_s});
        const auto link = [](const QString& text) {
            return 22 + QUrl::toPercentEncoding(QString(text).replace(u"\n"_s, u"\r\n"_s)).size() +
                   QUrl::toPercentEncoding(u"Today's List "_s +
                                           QDate::currentDate().toString(u"MM-dd-yyyy"_s))
                       .size();
        };
        // A letter more in the last entry is a character more in the link.
        const qsizetype fill = 8001 - link(TodaysListPrintout::text(entries, QDate::currentDate()));
        for (const int over : {0, 1}) {
            TestFiles::writeAll(m_dir, {{Today, list + "Zoo\xb0 " + QByteArray(fill + over, 'a')}});
            ScriptedDialogs dialogs(u"E-mail Program Not Found OK Exclamation|No e-mail program is "
                                    "set up on this computer. => OK"_s +
                                    (over ? u"; E-mail OK Information|The list is too long to hand "
                                            "to the e-mail program* => OK"_s
                                          : QString()));
            WindowDriver screen(m_dir, dialogs);
            screen.perform(u"key TmpList Ctrl+C; do MU_SendToPhone; press EmailButton"_s);
            const QString text = QGuiApplication::clipboard()->text();
            QCOMPARE(link(text), 8000 + over);
            screen.shell().mailer = u"mailer"_s;
            screen.perform(u"clip other; press EmailButton"_s);
            const QUrlQuery mail(QUrl(screen.shell().calls.last().section(u' ', 2)));
            QCOMPARE(mail.queryItemValue(u"subject"_s, QUrl::FullyDecoded),
                     u"Today's List "_s + QDate::currentDate().toString(u"MM-dd-yyyy"_s));
            QCOMPARE(mail.queryItemValue(u"body"_s, QUrl::FullyDecoded),
                     over ? QString() : QString(text).replace(u"\n"_s, u"\r\n"_s));
            QCOMPARE(QGuiApplication::clipboard()->text(), over ? text : u"other"_s);
        }
    }

    // The preview shows the pages Print makes without a printer: as many, with the same text,
    // with category names or without.
    void printPreviewShowsThePagesPrintMakes() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() ||
            !QPrinterInfo::defaultPrinter().isNull())
            QSKIP("needs pdftotext (poppler-utils) and no printer");
        QByteArray list;
        for (int i = 0; i < 150; ++i)
            list += "Tins\xb0 Beans " + QByteArray::number(100 + i) + "\r\n";
        TestFiles::writeAll(m_dir, {{Today, list}});
        for (const bool names : {true, false}) {
            ScriptedDialogs dialogs(names ? u"* => Yes"_s : u"* => No"_s);
            WindowDriver screen(m_dir, dialogs);
            screen.perform(u"do MU_PrintPreview"_s);
            auto* preview = screen.window().findChild<QPrintPreviewDialog*>(u"PrintPreview"_s);
            QVERIFY(preview && preview->isVisible());
            const QString printed = m_dir.filePath(u"printout.pdf"_s);
            PrinterTarget print(printed);
            QList<TodaysListPrintout::Line> entries;
            for (const TodaysList::Row& entry : screen.window().todaysList().entries())
                entries.append({entry.text, entry.checked});
            TodaysListPrintout::print(print, entries, names, QDate::currentDate());
            print.endDocument();
            // The preview printed through its own printer, to a file.
            const QString shown = m_dir.filePath(u"shown.pdf"_s);
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(shown);
            auto* previewed = preview->findChild<QPrintPreviewWidget*>();
            previewed->print();
            const QStringList pages = TestFiles::pdfText(printed);
            QCOMPARE(TestFiles::pdfText(shown), pages);
            QCOMPARE(previewed->pageCount(), pages.count(u"#page"_s) - 1);
            // A sheet that begins inside an aisle repeats its heading, where names are printed.
            QCOMPARE(pages.contains(u"Tins (continued)"_s), names);
        }
    }

    // Tab moves the focus from list to list. A screen reader has a name for everything that can
    // take the focus, and never reads out an internal one.
    void theFocusCanBeSeenAndHeard() {
        TestFiles::writeAll(m_dir, shop("A\r\n"));
        TestFiles::writeAll(m_dir, {{u"Soup.rcp"_s, ""}});
        ScriptedDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        QApplication::setActiveWindow(&screen.window());
        screen.window().findChild<QWidget*>(u"StdList"_s)->setFocus(Qt::TabFocusReason);
        QStringList seen;
        for (int tab = 0; tab < 3; ++tab) {
            seen.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen.join(u' '), u"StdList TmpList CatList"_s);

        screen.perform(u"do tbMakeList; click File1 0; press NoteButton; do Find"_s);
        QStringList nameless;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QAccessible::State state = node->state();
            const QString name = node->text(QAccessible::Name);
            const QString objectName = node->object() ? node->object()->objectName() : QString();
            if ((state.focusable && !state.invisible && name.isEmpty()) ||
                (!name.isEmpty() && name == objectName))
                nameless.append(objectName);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        for (QWidget* window : {static_cast<QWidget*>(&screen.window()),
                                screen.window().findChild<QWidget*>(u"FindItems"_s)})
            walk(QAccessible::queryAccessibleInterface(window));
        QCOMPARE(nameless.join(u' '), QString());
    }

    // Every command that writes, its write made to fail by a directory where a file must be: one
    // message naming the file, the program running, every other file and Today's List as before.
    void failedWrites_data() {
        addScenarioColumns();
        const Files before{{Cat, cats({"Bakery", "Dairy"})},
                           {Std, items({{"Dairy", "Milk"}})},
                           {Today, "A\r\n"},
                           {u"Soup.rcp"_s, "Leeks\r\n"},
                           {u"Soup.txt"_s, "Simmer\r\n"},
                           {u"import.txt"_s, "[!]Fish\r\ncod\r\n"}};
        const QString soup = u"do tbMakeList; click File1 0; "_s;
        // "FILE|COMMAND|BOXES": the command's own boxes, shown before the one that names the file.
        const QString edit = u"click CatList 1; rm std_item.lst; mkdir std_item.lst; do "_s;
        const QStringList commands{
            u"category.lst|do tbNewCat|* => =Fish; "_s,
            u"std_item.lst|"_s + edit + u"tbEditCat|* => =Milky; "_s,
            u"category.tmp|click CatList 1; do tbDeleteCat|* => Yes; "_s,
            u"std_item.lst|"_s + edit + u"tbNewItem|* => =Cream; "_s,
            u"std_item.tmp|click CatList 1; click StdList 0; do tbDeleteItem|* => Yes; "_s,
            u"todays.lst|do tbClear|* => Yes; "_s,
            u"category.lst|do MU_Import|* => Yes; "_s,
            u"std_item.tmp|do MU_Purge|* => Yes; "_s,
            u"Soup.rcp|"_s + soup + u"press SaveMacro|* => Yes; "_s,
            u"Stew.rcp|do tbMakeList; press Command1|* => =Stew; * => Yes; "_s,
            u"Soup.rcp|"_s + soup + u"press KillMac|* => Yes; * => No; "_s,
            u"shops.lst|do MU_Shops; press AddShopButton; mkdir shops.lst; press OkButton|* => "
            "=Stall; "_s,
            u"Soup.txt|"_s + soup +
                u"press NoteButton; rm Soup.txt; mkdir Soup.txt; press EditSave|"_s};
        for (const QString& row : commands) {
            const QString file = row.section(u'|', 0, 0), command = row.section(u'|', 1, 1);
            const QString boxes = row.section(u'|', 2);
            Files after = before;
            after.insert(file, "<dir>");
            const QString block =
                command.contains(u"mkdir") ? QString() : u"rm %1; mkdir %1; "_s.arg(file);
            addScenario(qPrintable(command),
                        {.before = before,
                         .steps = block + command,
                         .boxes = boxes + u"File Error OK Stop|"_s + file + u"\n\n* => OK"_s,
                         .after = after,
                         .shows = u"window=open; TmpList=A"_s});
        }
        Files shipped = before;
        shipped.insert(u"std_item.new"_s, items({{"Dairy", "Eggs"}}));
        shipped.insert(u"category.new"_s, "<dir>");
        addScenario("the upgrade merge",
                    {.before = shipped,
                     .boxes = u"Upgrade Installation YesNo Question|* => Yes; File Error OK "
                              "Stop|category.new\n\n* => OK"_s,
                     .after = shipped,
                     .shows = u"window=open; TmpList=A"_s});
    }
    void failedWrites() { runScenario(); }

    void readOnly_data() {
        addScenarioColumns();
        const Files catalogue{
            {Cat, cats({"Bakery", "Dairy"})}, {Std, items({{"Dairy", "Milk"}})}, {Today, "A\r\n"}};
        addScenario(
            "files that may only be read are read, by the purge too; writing them fails",
            {.before = catalogue,
             .steps =
                 u"chmod 444 category.lst; chmod 444 std_item.lst; chmod 444 todays.lst; start; "
                 "click CatList 1; do tbNewItem; do MU_Purge; close"_s,
             .boxes =
                 u"input New item|New item for category: Dairy~25| => =Cream; File Error OK "
                 "Stop|std_item.lst\n\n* => OK; Confirm YesNo Stop default-No|When you delete a "
                 "category* => Yes; File Error OK Stop|todays.lst\n\n* => OK; Confirm YesNo "
                 "Question default-No|Today's List could not be saved. Close anyway and lose it? "
                 "=> No"_s,
             .after = catalogue,
             .shows = u"StdList=Milk~26; TmpList=A; window=open"_s});
        addScenario(
            "a folder that refuses new files: files are rewritten in place",
            {.before = catalogue,
             .steps = u"chmod 555 .; start; click CatList 1; do tbDeleteCat; do tbSpecial; close"_s,
             .boxes =
                 u"Confirm YesNo Stop default-No|Delete Category: Dairy ? => Yes; input One-time "
                 "item|Special item...| => =Milk"_s,
             .after = {{Cat, cats({"Bakery"})}, {Today, "A\r\nspecial\xb0 Milk\r\n"}},
             .shows = u"window=closed"_s});
    }
    void readOnly() {
        // Root may write anywhere; ctest runs these as an ordinary user too.
        if (::geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        runScenario();
    }

    // The real message and input boxes: what they show (title, text or prompt, the default
    // button and icon, or text and the most characters taken), and the window after the answers:
    // Escape for a message box; for an input box "Cancel", or "=text" typed and accepted.
    void realDialogs() {
        TestFiles::writeAll(m_dir, {{Cat, cats({"<b>Fruit & Veg"})},
                                    {Today, "Apples\r\nBakery\xb0 Bread\r\nCheese\r\n"}});
        StandardDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        dialogs.setParent(&screen.window());
        // Each box is answered once it is up, while its command waits in it.
        QStringList answers{u"Cancel"_s, u"=Kale, the curly kind, not the flat"_s, u"Escape"_s};
        QStringList seen;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&] {
            QWidget* widget = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                // Plain text, or the test sees it as markup.
                seen.append(box->windowTitle() + u'|' +
                            (box->textFormat() == Qt::PlainText ? box->text() : u"<markup>"_s) +
                            u'|' + box->defaultButton()->text().remove(u'&') + u'|' +
                            QString::fromLatin1(
                                QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())));
                answers.removeFirst();
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (auto* input = qobject_cast<QInputDialog*>(widget)) {
                const auto* label = input->findChild<QLabel*>();
                seen.append(input->windowTitle() + u'|' +
                            TestFiles::shortBlanks(label->textFormat() == Qt::PlainText
                                                       ? label->text()
                                                       : u"<markup>"_s) +
                            u'|' + input->textValue() + u'|' +
                            QString::number(input->findChild<QLineEdit*>()->maxLength()));
                const QString answer = answers.takeFirst();
                input->setTextValue(answer.mid(1));
                answer.startsWith(u'=') ? input->accept() : input->reject();
            }
        });
        answering.start(10);
        // Cancel leaves a ticked entry; a prompt shows a name as it is, and OK takes the text up
        // to 30 characters; a message shows its text as it is, No by default, Escape is No.
        screen.perform(u"tick TmpList 2; click TmpList 2; key TmpList Return; click CatList 0; do "
                       "tbNewItem; do tbClear"_s);
        QCOMPARE(
            seen.join(u'\n'),
            u"Make changes|Modify item...|Cheese|32767\nNew item|New item for category: "
            "<b>Fruit && Veg~16||30\nConfirm|Clear Today's List and Start Over ?|No|Question"_s);
        screen.verify({u"TmpList=Apples|Bakery\u00b0 Bread|+Cheese"_s,
                       u"StdList=Kale, the curly kind, not the "_s});
    }
};

namespace {

// The program as a child process: the window over VITTLO_CHILD_DIR, the steps VITTLO_CHILD_STEPS
// performed (without a box), then "ready" said and the program left to run until it is ended
// from outside, or driven from its input (the shared page's browser test).
int runAsChild() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line said reaches the test at once
    const QDir dir(qEnvironmentVariable("VITTLO_CHILD_DIR"));
    if (const QString steps = qEnvironmentVariable("VITTLO_CHILD_STEPS");
        steps.startsWith(u"start-up question")) {
        // The start as the program makes it, with real boxes: "ready" once the first is up, or
        // while the splash form holds it back.
        StandardDialogs dialogs;
        EndSignals ending;
        QObject::connect(&ending, &EndSignals::received, [&dialogs] { dialogs.answerSafely(); });
        DataFolder folder(dir.path(), QString());
        if (!folder.open(dialogs))
            return 1;
        QTimer::singleShot(0, [] { std::puts("ready"); });
        SplashForm splash;
        if (steps.endsWith(u"splash form")) {
            splash.show();
            dialogs.waitWhileShown(&splash);
        }
        RecordingPrintTarget printer;
        ScriptedShell shell;
        MainScreen window(folder.dir(), dialogs, printer, shell);
        return ending.exec();
    }
    ScriptedDialogs dialogs;
    const EndSignals ending;
    WindowDriver screen(dir, dialogs);
    screen.window().todaysList().setSaveDelay(TodaysList::SaveDelay);
    screen.perform(qEnvironmentVariable("VITTLO_CHILD_STEPS"));
    std::puts("ready");
    // Each line of input, "probe NAME" or "do STEPS", is answered with what the widget shows
    // (a line break as "|") or "done"; the end of the input ends the program.
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    QSocketNotifier lines(0, QSocketNotifier::Read);
    QObject::connect(&lines, &QSocketNotifier::activated, [&] {
        const QString line = QString::fromUtf8(input.readLine()).trimmed();
        if (line.isEmpty())
            return QCoreApplication::quit();
        const QString answer = line.startsWith(u"probe ")
                                   ? screen.probe(line.mid(6))
                                   : (screen.perform(line.mid(3)), u"done"_s);
        std::puts(qPrintable(QString(answer).replace(u'\n', u'|')));
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariableIsSet("VITTLO_CHILD_DIR"))
        return runAsChild();
    MainWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwin.moc"
