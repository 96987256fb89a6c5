#include "TodaysListCommands.h"

#include "Blanks.h"
#include "Catalogue.h"
#include "CommandRunner.h"
#include "Dialogs.h"
#include "Entry.h"
#include "FileError.h"
#include "ListBox.h"
#include "ListFiles.h"
#include "PrintTarget.h"
#include "PrinterTarget.h"
#include "RecipeFiles.h"
#include "SendToPhoneWindow.h"
#include "ShopsDialog.h"
#include "TodaysList.h"
#include "TodaysListEdit.h"
#include "TodaysListModel.h"
#include "WaitCursor.h"
#include "Windows1252.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QUndoStack>

using namespace Qt::StringLiterals;

TodaysListCommands::TodaysListCommands(const QDir& dir, TodaysList& list, ListBox& listBox,
                                       Dialogs& dialogs, PrintTarget& printTarget,
                                       DesktopShell& shell, const std::function<QDate()>& today,
                                       QObject* parent)
    : QObject(parent)
    , m_dir(dir)
    , m_list(list)
    , m_listBox(listBox)
    , m_dialogs(dialogs)
    , m_printTarget(printTarget)
    , m_shell(shell)
    , m_today(today)
    , m_undo(new QUndoStack(this)) {
    m_undo->setUndoLimit(1000);
}

QList<QAction*> TodaysListCommands::makeUndoActions(QObject* parent) const {
    QAction* undo = m_undo->createUndoAction(parent);
    undo->setObjectName(u"Undo"_s);
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(parent);
    redo->setObjectName(u"Redo"_s);
    // Both keys people know for it, whatever the desktop's own is.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(keys))
            redoKeys.append(keys);
    redo->setShortcuts(redoKeys);
    return {undo, redo};
}

void TodaysListCommands::change(const QString& what, const std::function<void()>& change) {
    if (auto edit = TodaysListEdit::make(m_list, what, change))
        m_undo->push(edit.release());
}

void TodaysListCommands::addEntry(const QString& entry) {
    change(u"Add an entry"_s, [&] { m_list.add(entry); });
}

QString TodaysListCommands::addItem(const QString& category, const QString& item) {
    const QString entry = Entry::ofCategory(category, item).text();
    addEntry(entry);
    return entry;
}

void TodaysListCommands::showEntry(const QString& text) {
    const int count = m_list.count();
    if (count == 0)
        return;
    const QString wanted = Blanks::trimmed(text);
    int found = count - 1;
    for (int i = 0; i < count; ++i) {
        if (Blanks::trimmed(m_list.at(i).text) == wanted) {
            found = i;
            break;
        }
    }
    m_listBox.setCurrentEntry(found);
}

QString TodaysListCommands::storedEntry(const QString& answer) {
    if (answer.isEmpty() || !m_dialogs.confirmStorable(answer, u"entry"_s))
        return {};
    return asStored(answer);
}

QString TodaysListCommands::asStored(const QString& text) {
    // What the list shows is what its file will hold.
    return Windows1252::decode(Windows1252::encode(text));
}

void TodaysListCommands::addOneTimeItem() {
    const QString answer =
        storedEntry(m_dialogs.askText(u"Special item..."_s, u"One-time item"_s, QString()));
    if (answer.isEmpty())
        return;
    const QString entry = Entry::oneTime(answer).text();
    addEntry(entry);
    showEntry(entry);
}

bool TodaysListCommands::tickEntry(const QString& entry, bool checked) {
    const int index = m_list.find(entry);
    if (index >= 0)
        m_list.setChecked(index, checked);
    return index >= 0;
}

bool TodaysListCommands::changeEntryCount(const QString& entry, int by) {
    const int index = m_list.find(entry);
    if (index >= 0)
        changeCount(index, by);
    return index >= 0;
}

bool TodaysListCommands::changeCount(int index, int by) {
    const int count = m_list.at(index).count + by;
    if (count < 1)
        change(u"Take an entry off"_s, [&] { m_list.takeAt(index); });
    else
        change(by > 0 ? u"Raise a count"_s : u"Lower a count"_s,
               [&] { m_list.setCount(index, count); });
    return count < 1;
}

QString TodaysListCommands::addSharedEntry(const QString& text, bool anyway) {
    // As Special takes it, but a question goes back to the phone instead of a box here.
    const QString answer = Dialogs::oneLine(text);
    if (answer.isEmpty())
        return u"Type an entry to add."_s;
    if (!anyway && !Windows1252::canEncode(answer))
        return Dialogs::unstorableQuestion(u"entry"_s);
    addEntry(Entry::oneTime(asStored(answer)).text());
    return {};
}

bool TodaysListCommands::removeCurrentEntry() {
    const int current = m_listBox.currentRow();
    if (current < 0)
        return false;
    change(u"Take an entry off"_s, [&] { m_list.takeAt(current); });
    m_listBox.clearCurrent();
    return true;
}

bool TodaysListCommands::changeCurrentCount(int by) {
    const int current = m_listBox.currentRow();
    if (current < 0)
        return false;
    const bool gone = changeCount(current, by);
    if (gone)
        m_listBox.clearCurrent();
    return gone;
}

void TodaysListCommands::retypeCurrentEntry() {
    const int asked = m_listBox.currentRow();
    if (asked < 0)
        return;
    // The entry itself, never the text shown with its count; without its trailing blanks,
    // which its file does not keep either.
    const Entry entry = m_listBox.currentIndex().data(TodaysListModel::EntryRole).value<Entry>();
    const QString answer = m_dialogs.askText(u"Modify item..."_s, u"Make changes"_s,
                                             Blanks::withoutTrailing(entry.text()));
    const QString text = storedEntry(answer);
    // A phone may have changed the list while the box was up: the entry is looked for again.
    const int current = m_list.find(entry.text());
    if (text.isEmpty() || current < 0)
        return;
    const int count = m_list.at(current).count;
    int shown = 0;
    change(u"Retype an entry"_s, [&] {
        m_list.takeAt(current);
        m_listBox.clearCurrent();
        // Retyped as an entry the list holds, it is counted with it; otherwise it goes where
        // "one after the current" is with no current entry: the top of the list.
        shown = Blanks::trimmedView(text).isEmpty() ? -1 : m_list.find(text);
        if (shown >= 0)
            m_list.setCount(shown, m_list.at(shown).count + count);
        else
            m_list.insert(shown = 0, {text, count});
    });
    m_listBox.setCurrentEntry(shown);
}

bool TodaysListCommands::clear() {
    if (!m_dialogs.confirm(u"Clear Today's List and Start Over ?"_s))
        return false;
    change(u"Clear Today's List"_s, [&] { m_list.clearAndRemoveFile(); });
    return true;
}

bool TodaysListCommands::refuseEmptyList() {
    if (m_list.count() > 0)
        return false;
    m_dialogs.refuse(u"Please build a list to print."_s);
    return true;
}

int TodaysListCommands::askCategoryNames() {
    return m_dialogs.messageBox(u"Include Category Names?"_s,
                                Dialogs::YesNoCancel + Dialogs::Question + Dialogs::DefaultButton2,
                                u"Ready to print..."_s);
}

void TodaysListCommands::print() {
    if (refuseEmptyList())
        return;
    m_printTarget.setDocName(u"Vittlo! Today's List"_s);
    printTodaysList();
}

bool TodaysListCommands::printTodaysList() {
    const int answer = askCategoryNames();
    if (answer == Dialogs::Cancel)
        return false;
    m_listBox.clearCurrent();
    // A note printed alone goes where it always went.
    const auto alone =
        qScopeGuard([this] { m_printTarget.setPdfPath(m_dir.filePath(ListFiles::Printout)); });
    {
        WaitCursor wait;
        m_printTarget.setPdfPath(pdfPath());
        TodaysListPrintout::print(m_printTarget, printoutEntries(), answer == Dialogs::Yes,
                                  m_today(), m_list.shopName());
        m_printTarget.endDocument();
    }
    m_listBox.clearCurrent();
    CommandRunner::reportPrintout(m_dialogs, m_printTarget.outputFile());
    return true;
}

void TodaysListCommands::printPreview() {
    if (refuseEmptyList())
        return;
    const int answer = askCategoryNames();
    if (answer == Dialogs::Cancel)
        return;
    // A printer set up as Print's, of the same resolution, so that the pages laid out are the
    // ones it prints.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    PrinterTarget::setUp(*printer, pdfPath());
    auto* preview = new QPrintPreviewDialog(printer, m_listBox.window());
    preview->setObjectName(u"PrintPreview"_s);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QObject::destroyed, [printer] { delete printer; });
    preview->printer()->setDocName(u"Vittlo! Today's List"_s);
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [this, entries = printoutEntries(), names = answer == Dialogs::Yes, date = m_today(),
             shop = m_list.shopName()](QPrinter* printer) {
                CommandRunner::run(m_dialogs, [&] {
                    PrinterTarget target(*printer);
                    TodaysListPrintout::print(target, entries, names, date, shop);
                    target.endDocument();
                });
            });
    preview->open();
}

QString TodaysListCommands::pdfPath() const {
    // The shop's name, made a plain file name as a recipe's must be.
    QString shop;
    for (const QChar c : m_list.shopName())
        shop += c.unicode() < 32 || c == u'\x7f' || u"\\/:*?\"<>|"_s.contains(c) ? u'_' : c;
    shop = Blanks::trimmed(shop.left(120));
    while (shop.endsWith(u'.'))
        shop.chop(1);
    return m_dir.filePath(shop.isEmpty() ? QString(ListFiles::Printout)
                                         : u"printout "_s + shop + u".pdf"_s);
}

QList<TodaysListPrintout::Line> TodaysListCommands::printoutEntries() const {
    QList<TodaysListPrintout::Line> entries;
    entries.reserve(m_list.count());
    for (const TodaysList::Row& entry : m_list.entries())
        entries.append(
            {entry.text, entry.checked, entry.count, m_list.notSoldAt(int(entries.size()))});
    return entries;
}

QString TodaysListCommands::text() const {
    return TodaysListPrintout::text(printoutEntries(), m_today(), m_list.shopName());
}

void TodaysListCommands::copy() {
    if (m_list.count() == 0)
        return;
    QGuiApplication::clipboard()->setText(text());
}

void TodaysListCommands::sendToPhone() {
    if (refuseEmptyList())
        return;
    auto* window = new SendToPhoneWindow(text(), m_today(), m_dialogs, m_shell, m_listBox.window());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void TodaysListCommands::addRecipeToTodaysList(const QString& name) {
    const QStringList lines = RecipeFiles(m_dir).readRecipe(name);
    change(u"Add the ingredients of "_s + name, [&] {
        for (const QString& line : lines)
            m_list.add(line);
    });
}

int TodaysListCommands::todaysListCount() const {
    return m_list.count();
}

void TodaysListCommands::saveTodaysListAsRecipe(const QString& name) {
    m_listBox.clearCurrent();
    RecipeFiles(m_dir).writeRecipe(name, m_list.texts());
    m_listBox.setCurrentEntry(m_list.count() - 1);
}

void TodaysListCommands::save() {
    m_list.save();
    m_listBox.setCurrentEntry(m_list.count() - 1);
}

void TodaysListCommands::editShops() {
    const ShopList shops = ShopList::read(m_dir);
    auto* dialog =
        new ShopsDialog(shops, Catalogue(m_dir).categories(), m_dialogs, m_listBox.window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, shops] {
        CommandRunner::run(m_dialogs, [&] {
            // Nothing changed writes nothing: without a shop, no file is made.
            const ShopList changed = dialog->shops();
            if (changed == shops)
                return;
            changed.write(m_dir);
            applyShop();
        });
    });
    dialog->open();
}

void TodaysListCommands::applyShop() {
    ShopList shops;
    try {
        shops = ShopList::read(m_dir);
    } catch (const FileError&) {
        // A file that cannot be read is no shop: the list is alphabetical.
        m_list.setShop(nullptr);
        Q_EMIT shopsChanged({});
        throw;
    }
    m_list.setShop(shops.pickedShop());
    Q_EMIT shopsChanged(shops);
}

void TodaysListCommands::pickShop(const QString& name) {
    ShopList shops = ShopList::read(m_dir);
    shops.picked = shops.find(name) ? name : QString();
    shops.write(m_dir);
    m_list.setShop(shops.pickedShop());
}
