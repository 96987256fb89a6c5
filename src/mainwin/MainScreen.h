#pragma once

#include "CatalogueHost.h"

#include <QDateTime>
#include <QDir>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

class CatalogueCommands;
class CommandToolbar;
class DesktopShell;
class Dialogs;
class FindWindow;
class ListBox;
class NotesEditor;
class PrintTarget;
class QComboBox;
class RecipePanel;
class ShellMenu;
class Sharing;
class ShopList;
class StatusPanels;
class TodaysList;
class TodaysListCommands;
class WidgetPlacer;

// The one working window: the catalogue on the left, Today's List on the right, the commands in
// the toolbar and menus, the counts and the date in the status bar. It builds the widgets and
// connects them to the commands on the catalogue, on Today's List and on recipes.
class MainScreen final : public QMainWindow, private CatalogueHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainScreen)

public:
    // dir is the data folder, which holds the lists.
    MainScreen(const QDir& dir, Dialogs& dialogs, PrintTarget& printTarget, DesktopShell& shell,
               QWidget* parent = nullptr);
    ~MainScreen() override;

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

    // Finishes a change of the catalogue cut short, offers an upgrade's lists, reads the lists.
    void readFilesAtStart();
    void offerUpgradeMerge();
    // Asks what to do with what is not saved yet and saves it; false when the window is to stay.
    bool maybeSave();
    // The program is ended from outside (a signal, the end of the desktop session): everything
    // typed is saved as it stands.
    void endWithoutAsking();
    void exitProgram();

    // Runs a command that may change the catalogue; an open Find Items searches it afresh.
    void changeCatalogue(void (CatalogueCommands::*command)());
    // Runs one command; a failure shows one message and abandons it.
    bool runCommand(const std::function<void()>& command);
    void openRecipes();

    void pickCategory();
    void pickItem();
    // The picked item goes on Today's List and becomes its current entry.
    void addPickedItem();
    // The item current in the item list goes on Today's List, which keeps its current entry.
    void addCurrentItem();
    void removeCurrentEntry();

    // CatalogueHost
    void showCategories() override;
    void showCategoryItems() override;
    void clearItemList() override;
    void showItemCount() override;
    void clearTodaysListCurrent() override;
    void showPickedCategory() override;
    void showStatusMessage(const QString& message) override;
    void showTodaysListCount() override;
    void showShopOrder() override;
    // The shops in the toolbar's picker, the one picked chosen.
    void showShops(const ShopList& shops);

    QDir m_dir;
    Dialogs& m_dialogs;
    PrintTarget& m_printTarget;
    DesktopShell& m_shell;

    ListBox* m_itemList = nullptr;
    ListBox* m_todaysListBox = nullptr;
    ListBox* m_categoryList = nullptr;
    CatalogueCommands* m_catalogue = nullptr;
    TodaysListCommands* m_todaysCommands = nullptr;
    CommandToolbar* m_toolbar = nullptr;
    QComboBox* m_shopPicker = nullptr;
    StatusPanels* m_statusPanels = nullptr;
    NotesEditor* m_notesEditor = nullptr;
    RecipePanel* m_recipePanel = nullptr;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTime;
    ShellMenu* m_shellMenu = nullptr;
    TodaysList* m_todaysList = nullptr;
    FindWindow* m_find = nullptr;
    Sharing* m_sharing = nullptr;
    std::unique_ptr<WidgetPlacer> m_placer;
    bool m_ended = false;
};
