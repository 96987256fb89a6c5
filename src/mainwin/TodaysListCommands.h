#pragma once

#include "RecipeHost.h"
#include "ShareHost.h"
#include "ShopList.h"
#include "TodaysListPrintout.h"

#include <QDate>
#include <QDir>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class DesktopShell;
class Dialogs;
class ListBox;
class PrintTarget;
class TodaysList;
class QAction;
class QUndoStack;

// The commands on Today's List: an entry added from the catalogue, from Find or as a one-time
// entry, an entry retyped or taken off, Clear, print and copy, and a recipe's ingredients added
// or the list saved as a recipe. Every change of the list can be undone.
class TodaysListCommands final : public QObject, public RecipeHost, public ShareHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TodaysListCommands)

public:
    // listBox shows list; today gives the date printouts are headed with.
    TodaysListCommands(const QDir& dir, TodaysList& list, ListBox& listBox, Dialogs& dialogs,
                       PrintTarget& printTarget, DesktopShell& shell,
                       const std::function<QDate()>& today, QObject* parent = nullptr);

    // The Undo and Redo actions, with the keys people know for them.
    QList<QAction*> makeUndoActions(QObject* parent) const;

    // Adds the entry at its sorted place.
    void addEntry(const QString& entry);
    // Adds the item of the category, as "category° item", and returns the entry.
    QString addItem(const QString& category, const QString& item);
    // Makes the first entry whose text equals text, both trimmed of blanks, the current entry;
    // the last entry when none does.
    void showEntry(const QString& text);
    // Asks for a one-time entry and adds it as "special° text".
    void addOneTimeItem();
    // Takes the current entry off; false when there is none.
    bool removeCurrentEntry();
    // Raises or lowers the current entry's count; lowered from 1, the entry is taken off, and
    // true says so.
    bool changeCurrentCount(int by);
    // Asks for the current entry's new text and puts it on top of the list, with its count.
    void retypeCurrentEntry();
    // Asks, then empties the list and deletes its file; false when the user said No.
    bool clear();

    // Prints the list, or refuses an empty one.
    void print();
    // Shows the pages Print would print, from which they can be printed; refuses an empty list.
    void printPreview();
    // Asks whether with category names, prints the list and ends the document; false when the
    // user cancelled and nothing was printed.
    bool printTodaysList() override;
    // The list as printed with category names, as plain text.
    QString text() const;
    // Puts the text on the clipboard.
    void copy();
    // Opens the window that takes the text to a phone; refuses an empty list.
    void sendToPhone();

    // Adds the recipe's lines, as one change.
    void addRecipeToTodaysList(const QString& name) override;
    // Replaces the recipe's file with the list.
    void saveTodaysListAsRecipe(const QString& name) override;
    int todaysListCount() const override;
    // Writes the list's file now, and makes its last entry current.
    void save();

    // A phone's changes, named by the entry's text.
    bool tickEntry(const QString& entry, bool checked) override;
    bool changeEntryCount(const QString& entry, int by) override;
    QString addSharedEntry(const QString& text, bool anyway) override;

    // Lets the user manage the shops and their aisles, and keeps them.
    void editShops();
    // Puts the list in the order of the shop picked, as the shops file keeps it; the changes so
    // far can still be undone. Throws FileError, and leaves the list alphabetical, for a shops
    // file that cannot be read.
    void applyShop();
    // The shop for this trip (an empty name: all shops), kept in the shops file and nowhere else.
    void pickShop(const QString& name);

Q_SIGNALS:
    // The shops and the one picked, as the file now holds them.
    void shopsChanged(const ShopList& shops);

public:
private:
    // Makes a change of the list that can be undone; what names it.
    void change(const QString& what, const std::function<void()>& change);
    // The entry an input box gave, as its file will hold it, once the user agreed to "?" for
    // characters that cannot be stored; empty when the command is to stop.
    QString storedEntry(const QString& answer);
    // The text as its file will hold it, "?" for what Windows-1252 lacks.
    static QString asStored(const QString& text);
    // Raises or lowers the row's count, as one change; true when it was taken off from 1.
    bool changeCount(int index, int by);
    QList<TodaysListPrintout::Line> printoutEntries() const;
    // Where a printout goes without a printer: "printout.pdf", or "printout <shop>.pdf".
    QString pdfPath() const;
    // Shows the refusal of an empty list; true when the list is empty.
    bool refuseEmptyList();
    // Asks whether to print with category names: Dialogs::Yes, No or Cancel.
    int askCategoryNames();

    QDir m_dir;
    TodaysList& m_list;
    ListBox& m_listBox;
    Dialogs& m_dialogs;
    PrintTarget& m_printTarget;
    DesktopShell& m_shell;
    std::function<QDate()> m_today;
    QUndoStack* m_undo;
};
