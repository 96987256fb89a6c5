#pragma once

#include "ItemRecord.h"
#include "RecipeHost.h"
#include "TodaysListPrintout.h"
#include "WindowLayout.h"

#include <QDir>
#include <QMainWindow>
#include <QString>
#include <functional>

class DesktopShell;
class Dialogs;
class PrintTarget;
class ListBox;
class NotesEditor;
class RecipePanel;
class ShellMenu;
class TodaysList;
class QAction;
class QLabel;
class QLineEdit;
class QTimer;
class QToolBar;

// The one working window: the catalogue on the left, Today's List on the right, the commands in
// the toolbar and menus. Its three list boxes are the program's only copy of the lists in memory.
class MainScreen final : public QMainWindow, private RecipeHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainScreen)

public:
    // dir is the directory that holds the program and its files.
    MainScreen(const QDir& dir, Dialogs& dialogs, PrintTarget& printTarget, DesktopShell& shell,
               QWidget* parent = nullptr);
    ~MainScreen() override;

    // Makes the first entry of Today's List whose text equals text, both trimmed of blanks, the
    // current entry; the last entry when none does.
    void CenterOn(const QString& text);
    // Adds the lines of the recipe's file to Today's List.
    void ReadMac(const QString& name) override;
    // Replaces the recipe's file with Today's List.
    void SaveMac(const QString& name) override;

    TodaysList& todaysList() { return *m_todaysList; }
    const QString& currentCategory() const { return m_currentCategory; }
    const ItemRecord& currentItem() const { return m_currentItem; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void buildLists();
    void showDate();

    void Form_Load();
    bool Form_Unload();
    // The program is ended from outside (a signal, the end of the desktop session): everything
    // typed is saved as it stands.
    void endWithoutAsking();
    void Form_Resize();
    void MU_File_Exit_Click();
    void MU_Import_Click();
    void MU_Purge_Click();
    void MergeUpgradeLists();
    void Menu_Print_Click();
    void Toolbar1_ButtonClick(QAction* button);

    void newCategory();
    void editCategory();
    void deleteCategory();
    void newItem();
    void deleteItem();
    void addOneTimeItem();
    void openRecipes();
    void printList();
    void clearTodaysList();
    // Shows the "Nothing to do!" refusal when the picked text is blank; true when the command
    // must stop there.
    bool refuseUnpicked(const QString& picked, const QString& message);
    bool PrintTodaysList() override;
    QList<TodaysListPrintout::Entry> printoutEntries() const;
    void copyTodaysList();
    int todaysListCount() const override;
    void recipePanelClosed() override;
    void setToolbarButtonsEnabled(int first, int last, bool enabled);

    void CatList_Click();
    void StdList_Click();
    void StdList_DblClick();
    void StdList_KeyPress(int keyAscii);
    void TmpList_DblClick();
    void TmpList_KeyPress(int keyAscii);
    void TmpList_MouseDown(int button);
    void retypeCurrentEntry();

    void LoadCategories();
    void LoadCategoryItems();
    void LoadTodaysList();
    void SaveTodaysList();
    void ClearEditBoxes();

    // Adds the picked standard item to Today's List and returns the entry.
    QString addStandardItemToTodaysList();
    void showTodaysListCount();
    // Runs one command; a file error shows one message and abandons it.
    bool runCommand(const std::function<void()>& command);

    WindowLayout::Window windowInTwips() const;
    void applyPlaces(const WindowLayout::Places& places);
    void applyButtonWidth(double twips);
    static int shownHeight(const QWidget* widget);

    QDir m_dir;
    Dialogs& m_dialogs;
    PrintTarget& m_printTarget;

    ListBox* m_stdList = nullptr;
    ListBox* m_tmpList = nullptr;
    ListBox* m_catList = nullptr;
    QLineEdit* m_catEdit = nullptr;
    QLineEdit* m_stdEdit = nullptr;
    QLineEdit* m_tmpEdit = nullptr;
    QToolBar* m_toolbar = nullptr;
    QLabel* m_sbCat = nullptr;
    QLabel* m_sbToday = nullptr;
    QLabel* m_sbDate = nullptr;
    NotesEditor* m_editorFrame = nullptr;
    RecipePanel* m_macroFrame = nullptr;
    QTimer* m_dateTimer = nullptr;
    ShellMenu* m_shellMenu = nullptr;
    TodaysList* m_todaysList = nullptr;

    WindowLayout::Places m_places = WindowLayout::designed();
    QString m_currentCategory;
    ItemRecord m_currentItem;
    bool m_ended = false;
};
