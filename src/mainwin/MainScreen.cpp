#include "MainScreen.h"

#include "Catalogue.h"
#include "CatalogueCommands.h"
#include "CatalogueJournal.h"
#include "CommandRunner.h"
#include "CommandToolbar.h"
#include "Dialogs.h"
#include "FileError.h"
#include "FindWindow.h"
#include "ListBox.h"
#include "NotesEditor.h"
#include "RecipePanel.h"
#include "Sharing.h"
#include "ShellMenu.h"
#include "ShopList.h"
#include "StatusPanels.h"
#include "TodaysList.h"
#include "TodaysListCommands.h"
#include "Twips.h"
#include "UpgradeMerge.h"
#include "WidgetPlacer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// The picker's first choice: no shop, the list alphabetical.
const QString AllShops = u"All shops"_s;
const QString Caption = u"Brindlecove \"Vittlo!\" v."_s + QStringLiteral(VITTLO_VERSION);
// How long a report stays in the status bar, in milliseconds.
constexpr int StatusMessageTime = 15000;

template <typename Receiver, typename Slot>
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                     const Receiver* receiver, Slot slot) {
    QAction* action = menu->addAction(caption, receiver, slot);
    action->setObjectName(name);
    return action;
}

} // namespace

MainScreen::MainScreen(const QDir& dir, Dialogs& dialogs, PrintTarget& printTarget,
                       DesktopShell& shell, QWidget* parent)
    : QMainWindow(parent)
    , m_dir(dir)
    , m_dialogs(dialogs)
    , m_printTarget(printTarget)
    , m_shell(shell) {
    setObjectName(u"MainScreen"_s);
    setWindowTitle(Caption);
    setWindowIcon(QIcon(u":/icons/vittlo.png"_s));
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(palette);

    m_shellMenu = new ShellMenu(dialogs, shell, *this);
    m_todaysList = new TodaysList(dir, this);
    buildMenus();
    buildToolbar();
    buildLists();
    buildKeys();
    buildStatusBar();
    // The window as designed, an area of 9030 by 5910 twips below the menu bar, but wide enough
    // for every toolbar button's caption in the window's own font.
    ensurePolished();
    resize(qMax(Twips::toPixels(this, 9030), m_toolbar->sizeHint().width()),
           menuBar()->sizeHint().height() + Twips::toPixels(this, 5910));
    // Smaller, the lists would be cut off and the last buttons would drop off the toolbar.
    setMinimumSize(size());
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());

    // A failed write after a change is told once; the list stays as it is on screen.
    connect(m_todaysList, &TodaysList::saveFailed, this,
            [this](const QString& fileName, const QString& message) {
                CommandRunner::report(m_dialogs, FileError(fileName, message));
            });
    // At the end of a desktop session, and when the program is ended from outside, what the
    // user typed reaches its files without a question, from the first box of the start on.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        m_notesEditor->saveWithoutAsking();
        m_todaysList->flush();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainScreen::endWithoutAsking);

    readFilesAtStart();
}

MainScreen::~MainScreen() = default;

void MainScreen::buildMenus() {
    QMenu* file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"MU_File"_s);
    addMenuItem(file, u"Menu_Print"_s, u"&Print"_s, this,
                [this] { runCommand([this] { m_todaysCommands->print(); }); });
    addMenuItem(file, u"MU_PrintPreview"_s, u"Print Pre&view..."_s, this, [this] {
        runCommand([this] { m_todaysCommands->printPreview(); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addMenuItem(file, u"MU_SendToPhone"_s, u"&Send to Phone..."_s, this, [this] {
        runCommand([this] { m_todaysCommands->sendToPhone(); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    addMenuItem(file, u"MU_Share"_s, u"S&hare on Home Network..."_s, this, [this] {
        m_sharing->start();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    addMenuItem(file, u"MU_Import"_s, u"&Import"_s, this, [this] {
        runCommand([this] { changeCatalogue(&CatalogueCommands::importFile); });
    });
    addMenuItem(file, u"MU_Purge"_s, u"Purge Orphan Line Items"_s, this, [this] {
        runCommand([this] { changeCatalogue(&CatalogueCommands::purgeOrphanItems); });
    });
    addMenuItem(file, u"MU_File_Exit"_s, u"E&xit"_s, this, &MainScreen::exitProgram);

    QMenu* options = menuBar()->addMenu(u"&Options"_s);
    options->setObjectName(u"MU_Options"_s);
    QAction* toolTips = options->addAction(u"Tool Tips"_s);
    toolTips->setObjectName(u"MU_TT"_s);
    toolTips->setCheckable(true);
    toolTips->setChecked(true);
    connect(toolTips, &QAction::triggered, this,
            [this, toolTips] { m_shellMenu->switchOffToolTips(*toolTips); });
    addMenuItem(options, u"MU_Shops"_s, u"&Shops..."_s, this, [this] {
        runCommand([this] { m_todaysCommands->editShops(); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));

    QMenu* help = menuBar()->addMenu(u"&Help"_s);
    help->setObjectName(u"MU_Help"_s);
    addMenuItem(help, u"MU_Inst"_s, u"&Contents"_s, m_shellMenu, &ShellMenu::showHelp)
        ->setShortcut(QKeySequence::HelpContents);
    addMenuItem(help, u"MU_About"_s, u"&About"_s, m_shellMenu, &ShellMenu::showAbout);

    QAction* browse = menuBar()->addAction(u"&Visit Brindlecove Website"_s, m_shellMenu,
                                           &ShellMenu::visitWebsite);
    browse->setObjectName(u"MU_BrowseDefault"_s);
}

void MainScreen::buildToolbar() {
    m_toolbar = new CommandToolbar(this);
    addToolBar(m_toolbar);
    const auto add = [this](const QString& name, const QString& caption, const QString& toolTip,
                            const QKeySequence& keys, const std::function<void()>& command) {
        m_toolbar->addCommand(name, caption, toolTip, keys,
                              [this, command] { runCommand(command); });
    };
    add(u"tbNewCat"_s, u"New Cat"_s, u"create new category, group"_s,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        [this] { changeCatalogue(&CatalogueCommands::newCategory); });
    add(u"tbEditCat"_s, u"Edit Cat"_s, u"change the name of existing category, group"_s,
        QKeySequence(Qt::Key_F2), [this] { changeCatalogue(&CatalogueCommands::editCategory); });
    add(u"tbDeleteCat"_s, u"Del Cat"_s, u"delete a category, group"_s,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
        [this] { changeCatalogue(&CatalogueCommands::deleteCategory); });
    add(u"tbNewItem"_s, u"New Item"_s, u"add a new item to a group"_s,
        QKeySequence(Qt::CTRL | Qt::Key_N),
        [this] { changeCatalogue(&CatalogueCommands::newItem); });
    add(u"tbDeleteItem"_s, u"Del Item"_s, u"delete an item from a group"_s,
        QKeySequence(Qt::CTRL | Qt::Key_D),
        [this] { changeCatalogue(&CatalogueCommands::deleteItem); });
    add(u"tbSpecial"_s, u"Special"_s, u"add a one-time item to Today's List"_s,
        QKeySequence(Qt::CTRL | Qt::Key_T), [this] { m_todaysCommands->addOneTimeItem(); });
    add(u"tbMakeList"_s, u"Recipes"_s, u"work with Recipes"_s, QKeySequence(Qt::CTRL | Qt::Key_R),
        [this] { openRecipes(); });
    add(u"tbPrint"_s, u"Print"_s, u"print Today's List"_s, QKeySequence(QKeySequence::Print),
        [this] { m_todaysCommands->print(); });
    add(u"tbClear"_s, u"Clear"_s, u"clear Today's List"_s,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), [this] {
            if (m_todaysCommands->clear())
                m_catalogue->forgetPickedItem();
        });
    // The shop for this trip, after the commands.
    m_shopPicker = new QComboBox(m_toolbar);
    m_shopPicker->setObjectName(u"ShopPicker"_s);
    m_shopPicker->setAccessibleName(u"Shop for this trip"_s);
    m_shopPicker->setToolTip(u"the shop for this trip: Today's List in the order of its aisles"_s);
    // Of one width whatever the names, so that the toolbar does not move; the list opens wider.
    m_shopPicker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_shopPicker->setMinimumContentsLength(14);
    m_shopPicker->addItem(AllShops);
    m_toolbar->addSeparator();
    m_toolbar->addWidget(m_shopPicker);
    connect(m_shopPicker, &QComboBox::activated, this, [this](int index) {
        runCommand([this, index] {
            m_todaysCommands->pickShop(index == 0 ? QString() : m_shopPicker->itemText(index));
        });
    });
}

void MainScreen::showShops(const ShopList& shops) {
    const QSignalBlocker quiet(m_shopPicker);
    m_shopPicker->clear();
    m_shopPicker->addItem(AllShops);
    // By place, not by name: a shop may be called "All shops" too.
    m_shopPicker->setCurrentIndex(0);
    for (const Shop& shop : shops.shops) {
        m_shopPicker->addItem(shop.name);
        if (shop.name == shops.picked)
            m_shopPicker->setCurrentIndex(m_shopPicker->count() - 1);
    }
}

void MainScreen::buildLists() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_itemList = new ListBox(u"StdList"_s, ListBox::CheckBoxes::None, central);
    m_itemList->setToolTip(u"double-click / add to today's"_s);
    m_todaysListBox = new ListBox(u"TmpList"_s, ListBox::CheckBoxes::OnEveryEntry, central);
    m_todaysListBox->showList(*m_todaysList);
    connect(m_todaysList, &TodaysList::countChanged, this, &MainScreen::showTodaysListCount);
    m_todaysListBox->setToolTip(u"double click / remove item, right-click to modify"_s);
    m_categoryList = new ListBox(u"CatList"_s, ListBox::CheckBoxes::None, central);
    m_categoryList->setToolTip(u"click category / display line items"_s);
    m_itemList->setAccessibleName(u"Items of the picked category"_s);
    m_todaysListBox->setAccessibleName(u"Today's List"_s);
    m_categoryList->setAccessibleName(u"Categories"_s);
    m_catalogue = new CatalogueCommands(m_dir, m_dialogs, *this, this);
    m_todaysCommands = new TodaysListCommands(
        m_dir, *m_todaysList, *m_todaysListBox, m_dialogs, m_printTarget, m_shell,
        [this] { return m_clock().date(); }, this);
    // The panels lie over the lists: the recipe panel over the catalogue, the notes over
    // Today's List.
    m_notesEditor = new NotesEditor(m_dir, *m_todaysCommands, m_dialogs, m_printTarget, central);
    m_recipePanel = new RecipePanel(m_dir, *m_todaysCommands, m_dialogs, *m_notesEditor, central);
    connect(m_recipePanel, &RecipePanel::closed, this,
            [this] { m_toolbar->setButtonsEnabled(1, 9, true); });
    setTabOrder(m_itemList, m_todaysListBox);
    setTabOrder(m_todaysListBox, m_categoryList);
    setTabOrder(m_categoryList, m_shopPicker);
    connect(m_todaysCommands, &TodaysListCommands::shopsChanged, this, &MainScreen::showShops);
    m_sharing = new Sharing(m_dir, *m_todaysList, *m_todaysCommands, m_dialogs, this);

    connect(m_categoryList, &ListBox::picked, this, &MainScreen::pickCategory);
    connect(m_itemList, &ListBox::picked, this, &MainScreen::pickItem);
    connect(m_itemList, &ListBox::entryDoubleClicked, this, &MainScreen::addPickedItem);
    connect(m_itemList, &ListBox::enterPressed, this, &MainScreen::addCurrentItem);
    connect(m_todaysListBox, &ListBox::entryDoubleClicked, this, &MainScreen::removeCurrentEntry);
    // Enter and a right click retype the current entry.
    connect(m_todaysListBox, &ListBox::enterPressed, m_todaysCommands,
            &TodaysListCommands::retypeCurrentEntry);
    connect(m_todaysListBox, &ListBox::rightClicked, m_todaysCommands,
            &TodaysListCommands::retypeCurrentEntry);
    // Delete takes the current entry off Today's List, as a double-click on it does.
    auto* remove = new QAction(m_todaysListBox);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_todaysListBox->addAction(remove);
    connect(remove, &QAction::triggered, this, &MainScreen::removeCurrentEntry);
    // + and - (or Ctrl+Up and Ctrl+Down) raise and lower the current entry's count.
    for (const int by : {1, -1}) {
        auto* count = new QAction(m_todaysListBox);
        count->setShortcuts(by > 0 ? QList<QKeySequence>{Qt::Key_Plus, Qt::CTRL | Qt::Key_Up}
                                   : QList<QKeySequence>{Qt::Key_Minus, Qt::CTRL | Qt::Key_Down});
        count->setShortcutContext(Qt::WidgetShortcut);
        m_todaysListBox->addAction(count);
        connect(count, &QAction::triggered, this, [this, by] {
            if (m_todaysCommands->changeCurrentCount(by))
                m_catalogue->forgetPickedItem();
        });
    }
    // The standard copy keys put Today's List on the clipboard as text; boxes being typed in
    // take them for themselves.
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    addAction(copy);
    connect(copy, &QAction::triggered, m_todaysCommands, &TodaysListCommands::copy);
    m_placer = std::make_unique<WidgetPlacer>(WidgetPlacer::Widgets{this, m_toolbar, m_itemList,
                                                                    m_categoryList, m_todaysListBox,
                                                                    m_recipePanel, m_notesEditor});
    m_placer->placeAsDesigned();
}

void MainScreen::buildKeys() {
    // Changes of Today's List can be undone; changes of the catalogue cannot.
    addActions(m_todaysCommands->makeUndoActions(this));
    auto* find = new QAction(u"Find Items"_s, this);
    find->setObjectName(u"Find"_s);
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    m_find = new FindWindow(m_dir, m_dialogs, this);
    connect(find, &QAction::triggered, m_find, &FindWindow::open);
    connect(m_find, &FindWindow::chosen, this, [this](const QString& entry) {
        m_todaysCommands->addEntry(entry);
        m_todaysCommands->showEntry(entry);
        m_catalogue->forgetPickedItem();
    });
}

void MainScreen::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(u"StatusBar1"_s);
    bar->setAccessibleName(u"Status"_s);
    bar->setSizeGripEnabled(true);
    m_statusPanels = new StatusPanels(bar);
    connect(m_sharing, &Sharing::sharingChanged, this, [this](bool sharing) {
        m_statusPanels->showShared(sharing ? m_sharing->address() : QString());
    });
    connect(m_statusPanels, &StatusPanels::sharedClicked, m_sharing, &Sharing::showWindow);
}

void MainScreen::setClock(const std::function<QDateTime()>& clock) {
    m_clock = clock;
    m_statusPanels->setClock(clock);
}

// Start-up and shut-down.

void MainScreen::readFilesAtStart() {
    // A change of the catalogue cut short by a crash is finished or undone before anything is
    // read. One that cannot be is told once: the upgrade's merge would only tell it again.
    if (runCommand([this] { CatalogueJournal::recover(m_dir); }))
        offerUpgradeMerge();
    m_categoryList->clearEntries();
    runCommand([this] { showCategories(); });
    runCommand([this] { m_todaysCommands->applyShop(); });
    runCommand([this] {
        m_todaysList->load();
        showTodaysListCount();
    });
    m_catalogue->forgetPicks();
    m_placer->placeForStart();
}

void MainScreen::offerUpgradeMerge() {
    runCommand([this] {
        const UpgradeMerge upgrade(m_dir);
        if (upgrade.prepare() &&
            m_dialogs.messageBox(u"It looks like you are installing a new version over an older "
                                 "version.\r\nWould you like to merge together your existing "
                                 "category and item\r\nlists with the new data that came with "
                                 "this version?"_s,
                                 Dialogs::YesNo + Dialogs::Question,
                                 u"Upgrade Installation"_s) == Dialogs::Yes)
            upgrade.merge();
    });
}

bool MainScreen::maybeSave() {
    if (!m_notesEditor->closeForExit())
        return false;
    // A list file that could not be read is replaced only when the user says so.
    if (!m_todaysList->fileRead()) {
        if (m_todaysList->count() == 0 ||
            !m_dialogs.confirm(u"todays.lst could not be read when the program started. Replace "
                               "it with Today's List as it is now?"_s))
            return true;
        m_todaysList->adopt();
    }
    return runCommand([this] { m_todaysCommands->save(); }) ||
           m_dialogs.confirm(u"Today's List could not be saved. Close anyway and lose it?"_s);
}

void MainScreen::closeEvent(QCloseEvent* event) {
    // A list that could not be saved keeps the window open unless the user gives it up.
    if (m_ended || maybeSave()) {
        m_ended = true;
        // Sharing ends with the window, and its own window with it.
        m_sharing->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainScreen::endWithoutAsking() {
    m_sharing->stop();
    if (std::exchange(m_ended, true))
        return;
    // Nobody is there to answer: the note is saved as it stands, and a failure can only be told
    // on the terminal.
    m_notesEditor->saveWithoutAsking();
    try {
        if (m_todaysList->hasUnsavedChanges())
            m_todaysList->save();
    } catch (const FileError& error) {
        qWarning("Today's List could not be saved: %s", error.what());
    }
}

void MainScreen::exitProgram() {
    if (!maybeSave())
        return;
    m_ended = true;
    close();
    QCoreApplication::quit();
}

void MainScreen::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_placer->placeAfterResize();
}

// Commands.

bool MainScreen::runCommand(const std::function<void()>& command) {
    return CommandRunner::run(m_dialogs, command);
}

void MainScreen::changeCatalogue(void (CatalogueCommands::*command)()) {
    const auto searchAgain = qScopeGuard([this] {
        m_find->catalogueChanged();
        // The first panel never names a category that is no longer picked.
        if (m_catalogue->pickedCategory().isEmpty())
            m_statusPanels->showNoCategoryPicked();
    });
    (m_catalogue->*command)();
}

void MainScreen::openRecipes() {
    m_toolbar->setButtonsEnabled(1, 5, false);
    m_recipePanel->open();
}

// The three lists.

void MainScreen::pickCategory() {
    m_catalogue->pickCategory(m_categoryList->currentText());
    runCommand([this] { showCategoryItems(); });
}

void MainScreen::pickItem() {
    m_catalogue->pickItem(m_itemList->currentText());
    showTodaysListCount();
}

void MainScreen::addPickedItem() {
    m_todaysCommands->showEntry(
        m_todaysCommands->addItem(m_catalogue->pickedCategory(), m_itemList->currentText()));
    m_catalogue->forgetPickedItem();
}

void MainScreen::addCurrentItem() {
    if (m_itemList->currentRow() < 0)
        return;
    m_todaysCommands->addItem(m_catalogue->pickedCategory(), m_itemList->currentText());
    m_catalogue->forgetPickedItem();
}

void MainScreen::removeCurrentEntry() {
    if (m_todaysCommands->removeCurrentEntry())
        m_catalogue->forgetPickedItem();
}

// What the catalogue commands show afresh.

void MainScreen::showCategories() {
    m_categoryList->showEntries(Catalogue(m_dir).categories());
}

void MainScreen::showCategoryItems() {
    qsizetype counter = 0;
    if (const QString picked = m_catalogue->pickedCategory(); !picked.isEmpty()) {
        const QStringList items = Catalogue(m_dir).itemsOf(picked);
        m_itemList->showEntries(items);
        counter = items.size();
    }
    m_statusPanels->showCategory(
        u" %1 Items: %2"_s.arg(counter).arg(m_categoryList->currentText()));
}

void MainScreen::clearItemList() {
    m_itemList->clearEntries();
}

void MainScreen::showItemCount() {
    m_statusPanels->showCategory(QString::number(m_itemList->count()) + u" Items: "_s +
                                 m_categoryList->currentText());
}

void MainScreen::clearTodaysListCurrent() {
    m_todaysListBox->clearCurrent();
}

void MainScreen::showPickedCategory() {
    m_categoryList->setCurrentText(m_catalogue->pickedCategory());
    showCategoryItems();
}

void MainScreen::showStatusMessage(const QString& message) {
    statusBar()->showMessage(message, StatusMessageTime);
}

void MainScreen::showShopOrder() {
    m_todaysCommands->applyShop();
}

void MainScreen::showTodaysListCount() {
    m_statusPanels->showTodaysListCount(m_todaysList->items());
}
