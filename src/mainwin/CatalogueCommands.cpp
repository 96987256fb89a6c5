#include "CatalogueCommands.h"

#include "Blanks.h"
#include "Catalogue.h"
#include "CatalogueHost.h"
#include "CategoryRecord.h"
#include "Dialogs.h"
#include "FileError.h"
#include "ImportFile.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "OrphanPurge.h"
#include "ShopList.h"
#include "WaitCursor.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString counted(qint64 count, const QString& one, const QString& many) {
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

} // namespace

CatalogueCommands::CatalogueCommands(const QDir& dir, Dialogs& dialogs, CatalogueHost& host,
                                     QObject* parent)
    : QObject(parent)
    , m_dir(dir)
    , m_dialogs(dialogs)
    , m_host(host) {
    setObjectName(u"catalogue"_s);
}

void CatalogueCommands::pickCategory(const QString& entry) {
    m_pickedCategory = entry;
}

void CatalogueCommands::pickItem(const QString& entry) {
    m_pickedItem = entry;
}

void CatalogueCommands::forgetPickedItem() {
    m_pickedItem.clear();
}

void CatalogueCommands::forgetPicks() {
    m_pickedCategory.clear();
    m_pickedItem.clear();
}

bool CatalogueCommands::refuseUnpicked(const QString& picked, const QString& message) {
    if (!Blanks::trimmed(picked).isEmpty())
        return false;
    m_dialogs.refuse(message);
    // A category whose name is all blanks is still a pick.
    return picked.isEmpty();
}

QString CatalogueCommands::askName(const QString& prompt, const QString& title,
                                   const QString& defaultText) {
    const QString answer = m_dialogs.askText(prompt, title, defaultText, int(CategoryRecord::Size));
    if (answer.isEmpty() || !m_dialogs.confirmStorable(answer, u"name"_s))
        return {};
    return answer;
}

void CatalogueCommands::newCategory() {
    const QString answer = askName(u"New category name..."_s, u"New Category"_s, QString());
    if (answer.isEmpty())
        return;
    Catalogue(m_dir).addCategory(answer);
    m_host.showCategories();
}

void CatalogueCommands::editCategory() {
    const QString picked = m_pickedCategory;
    if (refuseUnpicked(picked, u"Please pick a category to edit."_s))
        return;
    // The name without the blanks that fill its record, so that End lands after its last letter.
    const QString answer =
        askName(u"Change category name..."_s, u"New Category"_s, Blanks::withoutTrailing(picked));
    if (answer.isEmpty())
        return;
    const QString renamed = CategoryRecord(answer).name();
    Catalogue(m_dir).renameCategory(picked, answer);
    forgetPickedItem();
    m_host.clearItemList();
    m_host.showCategories();
    // The renamed category stays picked, under its new name.
    pickCategory(renamed);
    m_host.showPickedCategory();
    // The catalogue is renamed whatever becomes of the shops, whose trouble is their own.
    try {
        ShopList shops = ShopList::read(m_dir);
        if (shops.renameCategory(picked, renamed)) {
            shops.write(m_dir);
            m_host.showShopOrder();
        }
    } catch (const FileError& error) {
        m_dialogs.messageBox(u"%1 is renamed %2, but the shops could not be changed and were "
                             "left as they were.\n\n%3"_s.arg(
                                 Blanks::trimmed(picked), Blanks::trimmed(renamed), error.text()),
                             Dialogs::OkOnly + Dialogs::Exclamation, error.title());
    }
}

void CatalogueCommands::deleteCategory() {
    const QString picked = m_pickedCategory;
    if (refuseUnpicked(picked, u"Please pick a category to delete."_s))
        return;
    if (!m_dialogs.confirm(u"Delete Category: "_s + Blanks::trimmed(picked) + u" ?"_s,
                           Dialogs::YesNo + Dialogs::Critical + Dialogs::DefaultButton2))
        return;
    Catalogue(m_dir).removeCategory(picked);
    m_pickedCategory.clear();
    m_host.showCategories();
    m_host.clearItemList();
    forgetPickedItem();
}

void CatalogueCommands::newItem() {
    const QString picked = m_pickedCategory;
    if (refuseUnpicked(picked, u"Please pick a category, then add an item to it."_s))
        return;
    const QString answer = askName(u"New item for category: "_s + picked, u"New item"_s, {});
    if (Blanks::trimmed(answer).isEmpty())
        return;
    Catalogue(m_dir).addItem(picked, answer);
    m_host.clearTodaysListCurrent();
    m_host.showCategoryItems();
    forgetPickedItem();
}

void CatalogueCommands::deleteItem() {
    const QString item = m_pickedItem;
    if (Blanks::trimmed(item).isEmpty()) {
        m_dialogs.refuse(u"Please pick an item (on the left) to delete."_s);
        return;
    }
    if (!m_dialogs.confirm(u"Delete Item: "_s + Blanks::trimmed(m_pickedCategory) + u' ' +
                               Blanks::trimmed(item) + u" ?"_s,
                           Dialogs::YesNo + Dialogs::Exclamation + Dialogs::DefaultButton2))
        return;
    Catalogue(m_dir).removeItem(m_pickedCategory, item);
    m_host.showCategoryItems();
    m_host.showItemCount();
    forgetPickedItem();
}

void CatalogueCommands::importFile() {
    if (m_dialogs.messageBox(
            u"Import file format: Categories are identified with preceeding "
            "[!]Category Name. Line items follow with no identifier. No blank lines. "
            "See help file for details. Import file -> IMPORT.TXT ?"_s +
                ImportFile::whereLookedFor(m_dir),
            Dialogs::YesNo + Dialogs::Question + Dialogs::DefaultButton2,
            u"Ready to import..."_s) != Dialogs::Yes)
        return;
    ImportFile::Text text;
    {
        WaitCursor wait;
        text = ImportFile::read(m_dir);
    }
    if (text.lossy && text.problem.isEmpty() &&
        m_dialogs.messageBox(u"Some characters of IMPORT.TXT cannot be stored and will be saved as "
                             "\"?\". Import anyway?"_s,
                             Dialogs::YesNo + Dialogs::Question + Dialogs::DefaultButton2,
                             u"Ready to import..."_s) != Dialogs::Yes)
        return;
    const auto [categoriesBefore, itemsBefore] = recordCounts();
    if (text.problem.isEmpty()) {
        WaitCursor wait;
        text.problem = ImportFile::importInto(m_dir, text.bytes);
    }
    if (!text.problem.isEmpty()) {
        m_dialogs.messageBox(text.problem, Dialogs::Exclamation + Dialogs::DefaultButton2,
                             u"Import failed!"_s);
        return;
    }
    forgetPickedItem();
    m_host.showCategories();
    // Today's List is as it was; reading its file again would show its entries twice.
    m_host.showTodaysListCount();
    const auto [categories, items] = recordCounts();
    m_host.showStatusMessage(u"Imported: %1 and %2."_s.arg(
        counted(categories - categoriesBefore, u"category"_s, u"categories"_s),
        counted(items - itemsBefore, u"item"_s, u"items"_s)));
}

void CatalogueCommands::purgeOrphanItems() {
    if (!m_dialogs.confirm(
            u"When you delete a category, the line items remain (but hidden from view). (You "
            "may recover items lost this way by adding the same name category back in.) This "
            "option, however, removes the orphan records altogether (possibly improving program "
            "speed). Proceed?"_s,
            Dialogs::YesNo + Dialogs::Critical + Dialogs::DefaultButton2))
        return;
    const qint64 itemsBefore = recordCounts().second;
    {
        WaitCursor wait;
        OrphanPurge::purge(m_dir);
    }
    m_host.showCategoryItems();
    forgetPickedItem();
    m_host.showStatusMessage(u"Purged: %1 removed."_s.arg(
        counted(itemsBefore - recordCounts().second, u"orphan item"_s, u"orphan items"_s)));
}

std::pair<qint64, qint64> CatalogueCommands::recordCounts() const {
    return {QFileInfo(m_dir.filePath(ListFiles::Categories)).size() / CategoryRecord::Size,
            QFileInfo(m_dir.filePath(ListFiles::Items)).size() / ItemRecord::Size};
}
