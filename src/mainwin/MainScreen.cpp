#include "MainScreen.h"

#include "Blanks.h"
#include "Catalogue.h"
#include "CatalogueCommands.h"
#include "CatalogueJournal.h"
#include "CommandRunner.h"
#include "Dialogs.h"
#include "FileError.h"
#include "FindWindow.h"
#include "ListBox.h"
#include "ListFiles.h"
#include "NotesEditor.h"
#include "PrintTarget.h"
#include "RecipeFiles.h"
#include "RecipePanel.h"
#include "ShellMenu.h"
#include "TextTarget.h"
#include "TodaysList.h"
#include "TodaysListEdit.h"
#include "TodaysListPrintout.h"
#include "Twips.h"
#include "UpgradeMerge.h"
#include "WaitCursor.h"
#include "Windows1252.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

const QString Caption = u"Brindlecove \"Vittlo!\" v.1.1"_s;
const QString TodaysListPanelSuffix = u" Items: Today's List       "_s;
const QChar Separator = ListFiles::EntrySeparator;
const QString NoCategoryPicked = u"Pick a Category!"_s;
// How long a report stays in the status bar, in milliseconds.
constexpr int StatusMessageTime = 15000;

struct ToolbarButton {
    QString key;
    QString caption;
    QString toolTip;
    QKeySequence keys;
    void (MainScreen::*command)();
};

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QLabel* statusPanel(const QString& name, const QString& text) {
    auto* panel = new QLabel(text);
    panel->setObjectName(name);
    panel->setToolTip(text);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}

} // namespace

MainScreen::MainScreen(const QDir& dir, Dialogs& dialogs, PrintTarget& printTarget,
                       DesktopShell& shell, QWidget* parent)
    : QMainWindow(parent)
    , m_dir(dir)
    , m_dialogs(dialogs)
    , m_printTarget(printTarget) {
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
        m_editorFrame->saveWithoutAsking();
        m_todaysList->flush();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainScreen::endWithoutAsking);

    Form_Load();
}

MainScreen::~MainScreen() = default;

void MainScreen::buildMenus() {
    QMenu* file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"MU_File"_s);
    QAction* print = addMenuItem(file, u"Menu_Print"_s, u"&Print"_s);
    connect(print, &QAction::triggered, this, &MainScreen::Menu_Print_Click);
    QAction* import = addMenuItem(file, u"MU_Import"_s, u"&Import"_s);
    connect(import, &QAction::triggered, this,
            &MainScreen::run<&MainScreen::catalogueCommand<&CatalogueCommands::MU_Import_Click>>);
    QAction* purge = addMenuItem(file, u"MU_Purge"_s, u"Purge Orphan Line Items"_s);
    connect(purge, &QAction::triggered, this,
            &MainScreen::run<&MainScreen::catalogueCommand<&CatalogueCommands::MU_Purge_Click>>);
    QAction* exit = addMenuItem(file, u"MU_File_Exit"_s, u"E&xit"_s);
    connect(exit, &QAction::triggered, this, &MainScreen::MU_File_Exit_Click);

    QMenu* options = menuBar()->addMenu(u"Options"_s);
    options->setObjectName(u"MU_Options"_s);
    QAction* toolTips = addMenuItem(options, u"MU_TT"_s, u"Tool Tips"_s);
    toolTips->setCheckable(true);
    toolTips->setChecked(true);
    connect(toolTips, &QAction::triggered, this,
            [this, toolTips] { m_shellMenu->MU_TT_Click(*toolTips); });

    QMenu* help = menuBar()->addMenu(u"&Help"_s);
    help->setObjectName(u"MU_Help"_s);
    QAction* contents = addMenuItem(help, u"MU_Inst"_s, u"&Contents"_s);
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, m_shellMenu, &ShellMenu::MU_Inst_Click);
    QAction* about = addMenuItem(help, u"MU_About"_s, u"&About"_s);
    connect(about, &QAction::triggered, m_shellMenu, &ShellMenu::MU_About_Click);

    QAction* browse = menuBar()->addAction(u"&Visit Brindlecove Website"_s);
    browse->setObjectName(u"MU_BrowseDefault"_s);
    connect(browse, &QAction::triggered, m_shellMenu, &ShellMenu::MU_BrowseDefault_Click);
}

void MainScreen::buildToolbar() {
    // Every command from the keyboard too: the buttons take no focus.
    const ToolbarButton buttons[] = {
        {u"tbNewCat"_s, u"New Cat"_s, u"create new category, group"_s,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
         &MainScreen::catalogueCommand<&CatalogueCommands::newCategory>},
        {u"tbEditCat"_s, u"Edit Cat"_s, u"change the name of existing category, group"_s,
         QKeySequence(Qt::Key_F2), &MainScreen::catalogueCommand<&CatalogueCommands::editCategory>},
        {u"tbDeleteCat"_s, u"Del Cat"_s, u"delete a category, group"_s,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
         &MainScreen::catalogueCommand<&CatalogueCommands::deleteCategory>},
        {u"tbNewItem"_s, u"New Item"_s, u"add a new item to a group"_s,
         QKeySequence(Qt::CTRL | Qt::Key_N),
         &MainScreen::catalogueCommand<&CatalogueCommands::newItem>},
        {u"tbDeleteItem"_s, u"Del Item"_s, u"delete an item from a group"_s,
         QKeySequence(Qt::CTRL | Qt::Key_D),
         &MainScreen::catalogueCommand<&CatalogueCommands::deleteItem>},
        {u"tbSpecial"_s, u"Special"_s, u"add a one-time item to Today's List"_s,
         QKeySequence(Qt::CTRL | Qt::Key_T), &MainScreen::addOneTimeItem},
        {u"tbMakeList"_s, u"Recipes"_s, u"work with Recipes"_s, QKeySequence(Qt::CTRL | Qt::Key_R),
         &MainScreen::openRecipes},
        {u"tbPrint"_s, u"Print"_s, u"print Today's List"_s, QKeySequence(QKeySequence::Print),
         &MainScreen::printList},
        {u"tbClear"_s, u"Clear"_s, u"clear Today's List"_s,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), &MainScreen::clearTodaysList},
    };
    // What a screen reader calls it; the object name stays the handle.
    m_toolbar = addToolBar(u"Commands"_s);
    m_toolbar->setObjectName(u"Toolbar1"_s);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));
    for (const ToolbarButton& button : buttons) {
        QAction* action =
            m_toolbar->addAction(QIcon(u":/icons/%1.png"_s.arg(button.key)), button.caption);
        action->setObjectName(button.key);
        action->setShortcut(button.keys);
        action->setToolTip(button.toolTip + u" ("_s +
                           button.keys.toString(QKeySequence::NativeText) + u')');
        connect(action, &QAction::triggered, this,
                [this, command = button.command] { runCommand([&] { (this->*command)(); }); });
    }
}

void MainScreen::buildLists() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_stdList = new ListBox(u"StdList"_s, ListBox::CheckBoxes::None, central);
    m_stdList->setToolTip(u"double-click / add to today's"_s);
    m_tmpList = new ListBox(u"TmpList"_s, ListBox::CheckBoxes::OnEveryEntry, central);
    m_tmpList->showList(*m_todaysList);
    connect(m_todaysList, &TodaysList::countChanged, this, &MainScreen::showTodaysListCount);
    m_tmpList->setToolTip(u"double click / remove item, right-click to modify"_s);
    m_catList = new ListBox(u"CatList"_s, ListBox::CheckBoxes::None, central);
    m_catList->setToolTip(u"click category / display line items"_s);
    m_stdList->setAccessibleName(u"Items of the picked category"_s);
    m_tmpList->setAccessibleName(u"Today's List"_s);
    m_catList->setAccessibleName(u"Categories"_s);
    m_catalogue = new CatalogueCommands(m_dir, m_dialogs, *this, central);
    // The panels lie over the lists: the recipe panel over the catalogue, the notes over
    // Today's List.
    m_editorFrame = new NotesEditor(m_dir, *this, m_dialogs, m_printTarget, central);
    m_macroFrame = new RecipePanel(m_dir, *this, m_dialogs, *m_editorFrame, central);
    setTabOrder(m_stdList, m_tmpList);
    setTabOrder(m_tmpList, m_catList);

    connect(m_catList, &ListBox::picked, this, &MainScreen::CatList_Click);
    connect(m_stdList, &ListBox::picked, this, &MainScreen::StdList_Click);
    connect(m_stdList, &ListBox::entryDoubleClicked, this, &MainScreen::StdList_DblClick);
    connect(m_stdList, &ListBox::characterKey, this, &MainScreen::StdList_KeyPress);
    connect(m_tmpList, &ListBox::entryDoubleClicked, this, &MainScreen::TmpList_DblClick);
    connect(m_tmpList, &ListBox::characterKey, this, &MainScreen::TmpList_KeyPress);
    connect(m_tmpList, &ListBox::mouseDown, this, &MainScreen::TmpList_MouseDown);
    // Delete takes the current entry off Today's List, as a double-click on it does.
    auto* remove = new QAction(m_tmpList);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_tmpList->addAction(remove);
    connect(remove, &QAction::triggered, this, &MainScreen::TmpList_DblClick);
    // The standard copy keys put Today's List on the clipboard as text; boxes being typed in
    // take them for themselves.
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    addAction(copy);
    connect(copy, &QAction::triggered, this, &MainScreen::copyTodaysList);
    applyPlaces(m_places);
}

void MainScreen::buildKeys() {
    // Changes of Today's List can be undone; changes of the catalogue cannot.
    m_undo = new QUndoStack(this);
    m_undo->setUndoLimit(1000);
    QAction* undo = m_undo->createUndoAction(this);
    undo->setObjectName(u"Undo"_s);
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(this);
    redo->setObjectName(u"Redo"_s);
    // Both keys people know for it, whatever the desktop's own is.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(keys))
            redoKeys.append(keys);
    redo->setShortcuts(redoKeys);
    auto* find = new QAction(u"Find Items"_s, this);
    find->setObjectName(u"Find"_s);
    find->setShortcut(QKeySequence::Find);
    addActions({undo, redo, find});
    m_find = new FindWindow(m_dir, m_dialogs, this);
    connect(find, &QAction::triggered, m_find, &FindWindow::open);
    connect(m_find, &FindWindow::chosen, this, [this](const QString& entry) {
        changeTodaysList(u"Add an entry"_s, [&] { m_todaysList->add(entry); });
        CenterOn(entry);
        ClearEditBoxes();
    });
}

void MainScreen::catalogueChanged() {
    m_find->catalogueChanged();
    // The first panel never names a category that is no longer picked.
    if (m_catalogue->pickedCategory().isEmpty())
        m_sbCat->setText(NoCategoryPicked);
}

void MainScreen::showPickedCategory() {
    const QString picked = m_catalogue->pickedCategory();
    for (int row = 0; row < m_catList->count(); ++row) {
        if (m_catList->entryText(row) == picked) {
            m_catList->setCurrentEntry(row);
            break;
        }
    }
    LoadCategoryItems();
}

void MainScreen::showStatusMessage(const QString& message) {
    statusBar()->showMessage(message, StatusMessageTime);
}

void MainScreen::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(u"StatusBar1"_s);
    bar->setAccessibleName(u"Status"_s);
    bar->setSizeGripEnabled(true);
    m_sbCat = statusPanel(u"sb_cat"_s, NoCategoryPicked);
    m_sbToday = statusPanel(u"sb_today"_s, u"Today's List"_s);
    m_sbDate = statusPanel(u"sb_date"_s, QString());
    m_sbDate->setToolTip(QString());
    m_sbDate->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_sbCat, 3);
    bar->addWidget(m_sbToday, 2);
    bar->addPermanentWidget(m_sbDate);

    // The date panel follows the calendar, also across midnight.
    m_dateTimer = new QTimer(this);
    m_dateTimer->setSingleShot(true);
    connect(m_dateTimer, &QTimer::timeout, this, &MainScreen::showDate);
    showDate();
}

void MainScreen::setClock(const std::function<QDateTime()>& clock) {
    m_clock = clock;
    showDate();
}

void MainScreen::showDate() {
    const QDateTime now = m_clock();
    m_sbDate->setText(u" %1 "_s.arg(QLocale::system().toString(now.date(), QLocale::ShortFormat)));
    m_dateTimer->start(now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000);
}

// Start-up, shut-down and layout.

void MainScreen::Form_Load() {
    // A change of the catalogue cut short by a crash is finished or undone before anything is
    // read.
    runCommand([this] { CatalogueJournal::recover(m_dir); });
    MergeUpgradeLists();
    m_catList->clearEntries();
    runCommand([this] { LoadCategories(); });
    runCommand([this] { LoadTodaysList(); });
    m_catalogue->forgetPicks();
    m_places = WindowLayout::firstArrangement(m_places, windowInTwips());
    applyPlaces(m_places);
}

bool MainScreen::Form_Unload() {
    if (!m_editorFrame->closeForExit())
        return false;
    // A list file that could not be read is replaced only when the user says so.
    if (!m_todaysList->fileRead()) {
        if (m_todaysList->count() == 0 ||
            !m_dialogs.confirm(u"todays.lst could not be read when the program started. Replace "
                               "it with Today's List as it is now?"_s))
            return true;
        m_todaysList->adopt();
    }
    return runCommand([this] { SaveTodaysList(); }) ||
           m_dialogs.confirm(u"Today's List could not be saved. Close anyway and lose it?"_s);
}

void MainScreen::closeEvent(QCloseEvent* event) {
    // A list that could not be saved keeps the window open unless the user gives it up.
    if (m_ended || Form_Unload()) {
        m_ended = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainScreen::endWithoutAsking() {
    if (std::exchange(m_ended, true))
        return;
    // Nobody is there to answer: the note is saved as it stands, and a failure can only be told
    // on the terminal.
    m_editorFrame->saveWithoutAsking();
    try {
        if (m_todaysList->hasUnsavedChanges())
            m_todaysList->save();
    } catch (const FileError& error) {
        qWarning("Today's List could not be saved: %s", error.what());
    }
}

void MainScreen::MU_File_Exit_Click() {
    if (!Form_Unload())
        return;
    m_ended = true;
    close();
    QCoreApplication::quit();
}

void MainScreen::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainScreen::Form_Resize() {
    const WindowLayout::Resized resized = WindowLayout::resized(m_places, windowInTwips());
    m_places = resized.places;
    applyPlaces(m_places);
    // The width last given stays, but is fitted to the window again, so that no button ever
    // drops off a window made narrower.
    if (resized.buttonWidth)
        m_buttonWidth = *resized.buttonWidth;
    if (m_buttonWidth)
        applyButtonWidth(*m_buttonWidth);
}

WindowLayout::Window MainScreen::windowInTwips() const {
    const QSize outer = frameGeometry().size();
    return {Twips::fromPixels(this, outer.width()), Twips::fromPixels(this, outer.height()),
            Twips::fromPixels(this, shownHeight(m_toolbar)),
            Twips::fromPixels(this, shownHeight(statusBar()))};
}

int MainScreen::shownHeight(const QWidget* widget) {
    // Before the window is shown its bars have no laid-out height yet.
    return widget->isVisible() ? widget->height() : widget->sizeHint().height();
}

void MainScreen::applyPlaces(const WindowLayout::Places& places) {
    // Tops count from below the menu bar, toolbar included; the central area begins below the
    // toolbar.
    const double toolbar = Twips::fromPixels(this, shownHeight(m_toolbar));
    const auto belowToolbar = [toolbar](const QRectF& twips) {
        QRectF rect = twips.translated(0, -toolbar);
        rect.setTop(qMax(0.0, rect.top()));
        return rect;
    };
    m_stdList->setGeometry(Twips::toPixels(this, belowToolbar(places.stdList)));
    m_catList->setGeometry(Twips::toPixels(this, belowToolbar(places.catList)));
    m_tmpList->setGeometry(Twips::toPixels(this, belowToolbar(places.tmpList)));
    m_macroFrame->setPlaces(belowToolbar(places.macroFrame), places.file1.height());
    m_editorFrame->setPlaces(belowToolbar(places.editorFrame), places.editorBox);
}

void MainScreen::applyButtonWidth(double twips) {
    // The buttons share the toolbar's width, but never so wide that the last ones drop off, and
    // never narrower than their captions.
    const int spacing = m_toolbar->layout()->spacing();
    const QMargins margins = m_toolbar->layout()->contentsMargins();
    // The toolbar spans the window, whose new width it has not taken yet.
    const int available = width() - margins.left() - margins.right() - 8 * spacing;
    const int shared = qMin(Twips::toPixels(this, twips),
                            available / int(qMax<qsizetype>(1, m_toolbar->actions().size())));
    QList<QWidget*> buttons;
    int total = 0;
    for (QAction* action : m_toolbar->actions()) {
        if (QWidget* button = m_toolbar->widgetForAction(action)) {
            buttons.append(button);
            total += qMax(shared, button->sizeHint().width());
        }
    }
    for (QWidget* button : std::as_const(buttons)) {
        const int natural = button->sizeHint().width();
        button->setFixedWidth(total <= available ? qMax(shared, natural) : natural);
    }
}

bool MainScreen::runCommand(const std::function<void()>& command) {
    return CommandRunner::run(m_dialogs, command);
}

// The catalogue in bulk.

void MainScreen::MergeUpgradeLists() {
    runCommand([this] {
        const UpgradeMerge upgrade(m_dir);
        if (upgrade.prepare() &&
            m_dialogs.MsgBox(u"It looks like you are installing a new version over an older "
                             "version.\r\nWould you like to merge together your existing "
                             "category and item\r\nlists with the new data that came with this "
                             "version?"_s,
                             Dialogs::YesNo + Dialogs::Question,
                             u"Upgrade Installation"_s) == Dialogs::Yes)
            upgrade.merge();
    });
}

// Loading and saving the lists.

void MainScreen::LoadCategories() {
    m_catList->showEntries(Catalogue(m_dir).categories());
}

void MainScreen::LoadCategoryItems() {
    qsizetype counter = 0;
    if (const QString picked = m_catalogue->pickedCategory(); !picked.isEmpty()) {
        const QStringList items = Catalogue(m_dir).itemsOf(picked);
        m_stdList->showEntries(items);
        counter = items.size();
    }
    m_sbCat->setText(u" %1 Items: %2"_s.arg(counter).arg(m_catList->currentText()));
}

void MainScreen::LoadTodaysList() {
    m_todaysList->load();
    showTodaysListCount();
}

void MainScreen::SaveTodaysList() {
    m_todaysList->save();
    m_tmpList->setCurrentEntry(m_todaysList->count() - 1);
}

void MainScreen::ClearEditBoxes() {
    m_catalogue->ClearEditBoxes();
}

void MainScreen::clearItemList() {
    m_stdList->clearEntries();
}

void MainScreen::showItemCount() {
    m_sbCat->setText(QString::number(m_stdList->count()) + u" Items: "_s +
                     m_catList->currentText());
}

void MainScreen::clearTodaysListCurrent() {
    m_tmpList->clearCurrent();
}

void MainScreen::showTodaysListCount() {
    m_sbToday->setText(QString::number(m_todaysList->count()) + TodaysListPanelSuffix);
}

// The three lists.

void MainScreen::CatList_Click() {
    m_catalogue->pickCategory(m_catList->currentText());
    runCommand([this] { LoadCategoryItems(); });
}

void MainScreen::StdList_Click() {
    m_catalogue->pickItem(m_stdList->currentText());
    showTodaysListCount();
}

void MainScreen::StdList_DblClick() {
    CenterOn(addStandardItemToTodaysList());
    ClearEditBoxes();
}

void MainScreen::StdList_KeyPress(int keyAscii) {
    if (keyAscii != 13 || m_stdList->currentRow() < 0)
        return;
    addStandardItemToTodaysList();
    ClearEditBoxes();
}

QString MainScreen::addStandardItemToTodaysList() {
    const QString entry = Blanks::trimmed(m_catalogue->pickedCategory()) + Separator + u' ' +
                          m_stdList->currentText();
    changeTodaysList(u"Add an entry"_s, [&] { m_todaysList->add(entry); });
    return entry;
}

void MainScreen::TmpList_DblClick() {
    const int current = m_tmpList->currentRow();
    if (current < 0)
        return;
    changeTodaysList(u"Take an entry off"_s, [&] { m_todaysList->takeAt(current); });
    m_tmpList->clearCurrent();
    ClearEditBoxes();
}

void MainScreen::TmpList_KeyPress(int keyAscii) {
    if (keyAscii == 13)
        retypeCurrentEntry();
}

void MainScreen::TmpList_MouseDown(int button) {
    if (button == 2)
        retypeCurrentEntry();
}

void MainScreen::retypeCurrentEntry() {
    const int current = m_tmpList->currentRow();
    if (current < 0)
        return;
    // The entry without its trailing blanks, which its file does not keep either.
    const QString answer = m_dialogs.InputBox(u"Modify item..."_s, u"Make changes"_s,
                                              Blanks::withoutTrailing(m_tmpList->currentText()));
    const QString text = storedEntry(answer);
    if (text.isEmpty())
        return;
    changeTodaysList(u"Retype an entry"_s, [&] {
        m_todaysList->takeAt(current);
        m_tmpList->clearCurrent();
        // With no current entry, "one after the current" is the top of the list.
        m_todaysList->insert(0, {text});
    });
    m_tmpList->setCurrentEntry(0);
}

void MainScreen::CenterOn(const QString& text) {
    const int count = m_tmpList->count();
    if (count == 0)
        return;
    const QString wanted = Blanks::trimmed(text);
    int found = count - 1;
    for (int i = 0; i < count; ++i) {
        if (Blanks::trimmed(m_tmpList->entryText(i)) == wanted) {
            found = i;
            break;
        }
    }
    m_tmpList->setCurrentEntry(found);
}

// The toolbar commands.

QString MainScreen::storedEntry(const QString& answer) {
    if (answer.isEmpty() || !m_dialogs.confirmStorable(answer, u"entry"_s))
        return {};
    // What the list shows is what its file will hold.
    return Windows1252::decode(Windows1252::encode(answer));
}

void MainScreen::addOneTimeItem() {
    const QString answer =
        storedEntry(m_dialogs.InputBox(u"Special item..."_s, u"One-time item"_s, QString()));
    if (answer.isEmpty())
        return;
    const QString entry = u"special"_s + Separator + u' ' + answer;
    changeTodaysList(u"Add an entry"_s, [&] { m_todaysList->add(entry); });
    CenterOn(entry);
}

void MainScreen::printList() {
    if (m_todaysList->count() == 0) {
        m_dialogs.refuse(u"Please build a list to print."_s);
        return;
    }
    m_printTarget.setDocName(u"Vittlo! Today's List"_s);
    PrintTodaysList();
}

void MainScreen::Menu_Print_Click() {
    runCommand([this] { printList(); });
}

void MainScreen::clearTodaysList() {
    if (!m_dialogs.confirm(u"Clear Today's List and Start Over ?"_s))
        return;
    changeTodaysList(u"Clear Today's List"_s, [&] { m_todaysList->clearAndRemoveFile(); });
    ClearEditBoxes();
}

bool MainScreen::PrintTodaysList() {
    const int answer = m_dialogs.MsgBox(
        u"Include Category Names?"_s,
        Dialogs::YesNoCancel + Dialogs::Question + Dialogs::DefaultButton2, u"Ready to print..."_s);
    if (answer == Dialogs::Cancel)
        return false;
    m_tmpList->clearCurrent();
    {
        WaitCursor wait;
        TodaysListPrintout::print(m_printTarget, printoutEntries(), answer == Dialogs::Yes,
                                  m_clock().date());
        m_printTarget.endDocument();
    }
    m_tmpList->clearCurrent();
    CommandRunner::reportPrintout(m_dialogs, m_printTarget);
    return true;
}

QList<TodaysListPrintout::Entry> MainScreen::printoutEntries() const {
    QList<TodaysListPrintout::Entry> entries;
    entries.reserve(m_todaysList->count());
    for (const TodaysList::Entry& entry : m_todaysList->entries())
        entries.append({entry.text, entry.checked});
    return entries;
}

void MainScreen::copyTodaysList() {
    if (m_todaysList->count() == 0)
        return;
    // The lines of the printout with category names, less its two empty lines at the top.
    TextTarget printout;
    TodaysListPrintout::print(printout, printoutEntries(), true, m_clock().date());
    QString text;
    for (const QString& line : printout.lines().mid(2))
        text += Blanks::withoutTrailing(line) + u'\n';
    QGuiApplication::clipboard()->setText(text);
}

// Recipes.

void MainScreen::openRecipes() {
    setToolbarButtonsEnabled(1, 5, false);
    m_macroFrame->open();
}

void MainScreen::recipePanelClosed() {
    setToolbarButtonsEnabled(1, 9, true);
}

void MainScreen::setToolbarButtonsEnabled(int first, int last, bool enabled) {
    const QList<QAction*> buttons = m_toolbar->actions();
    for (int position = first; position <= last && position <= buttons.size(); ++position)
        buttons.at(position - 1)->setEnabled(enabled);
}

int MainScreen::todaysListCount() const {
    return m_todaysList->count();
}

void MainScreen::ReadMac(const QString& name) {
    const QStringList lines = RecipeFiles(m_dir).readRecipe(name);
    changeTodaysList(u"Add the ingredients of "_s + name, [&] {
        for (const QString& line : lines)
            m_todaysList->add(line);
    });
    showTodaysListCount();
}

void MainScreen::changeTodaysList(const QString& what, const std::function<void()>& change) {
    if (auto edit = TodaysListEdit::make(*m_todaysList, what, change))
        m_undo->push(edit.release());
}

void MainScreen::SaveMac(const QString& name) {
    m_tmpList->clearCurrent();
    RecipeFiles(m_dir).writeRecipe(name, m_todaysList->texts());
    m_tmpList->setCurrentEntry(m_todaysList->count() - 1);
}
