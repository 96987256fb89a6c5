#pragma once

#include "CatalogueHost.h"
#include "RecipeHost.h"
#include "TodaysListPrintout.h"
#include "WindowLayout.h"

#include <QDateTime>
#include <QDir>
#include <QMainWindow>
#include <QScopeGuard>
#include <QString>
#include <functional>
#include <optional>

class CatalogueCommands;
class DesktopShell;
class FindWindow;
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
class QUndoStack;

// The one working window: the catalogue on the left, Today's List on the right, the commands in
// the toolbar and menus. Its three list boxes are the program's only copy of the lists in memory.
class MainScreen final : public QMainWindow, private RecipeHost, private CatalogueHost {
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
    // What the window takes the time to be: the system's, unless a test sets another.
    void setClock(const std::function<QDateTime()>& clock);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void buildLists();
    // Undo and redo of Today's List, and the find window.
    void buildKeys();
    void showDate();

    void Form_Load();
    bool Form_Unload();
    // The program is ended from outside (a signal, the end of the desktop session): everything
    // typed is saved as it stands.
    void endWithoutAsking();
    void Form_Resize();
    void MU_File_Exit_Click();
    void MergeUpgradeLists();
    void Menu_Print_Click();

    // Runs a command that may change the catalogue; an open Find Items searches it afresh.
    template <void (CatalogueCommands::*command)()> void catalogueCommand() {
        const auto searchAgain = qScopeGuard([this] { catalogueChanged(); });
        (m_catalogue->*command)();
    }
    void catalogueChanged();
    // Runs the command of a toolbar button or menu item; a failure shows one message.
    template <void (MainScreen::*command)()> void run() {
        runCommand([this] { (this->*command)(); });
    }
    void addOneTimeItem();
    void openRecipes();
    void printList();
    void clearTodaysList();
    // Makes a change of Today's List that can be undone; what names it.
    void changeTodaysList(const QString& what, const std::function<void()>& change);
    // The entry an input box gave, as its file will hold it, once the user agreed to "?" for
    // characters that cannot be stored; empty when the command is to stop.
    QString storedEntry(const QString& answer);
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

    void LoadCategories() override;
    void LoadCategoryItems() override;
    void LoadTodaysList();
    void SaveTodaysList();
    void ClearEditBoxes();
    void clearItemList() override;
    void showItemCount() override;
    void clearTodaysListCurrent() override;
    void showPickedCategory() override;
    void showStatusMessage(const QString& message) override;

    // Adds the picked standard item to Today's List and returns the entry.
    QString addStandardItemToTodaysList();
    void showTodaysListCount() override;
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
    CatalogueCommands* m_catalogue = nullptr;
    QToolBar* m_toolbar = nullptr;
    QLabel* m_sbCat = nullptr;
    QLabel* m_sbToday = nullptr;
    QLabel* m_sbDate = nullptr;
    NotesEditor* m_editorFrame = nullptr;
    RecipePanel* m_macroFrame = nullptr;
    QTimer* m_dateTimer = nullptr;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTime;
    ShellMenu* m_shellMenu = nullptr;
    TodaysList* m_todaysList = nullptr;
    QUndoStack* m_undo = nullptr;
    FindWindow* m_find = nullptr;

    WindowLayout::Places m_places = WindowLayout::designed();
    // The toolbar buttons' width, in twips, once the layout has set one.
    std::optional<double> m_buttonWidth;
    bool m_ended = false;
};
