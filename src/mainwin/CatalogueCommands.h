#pragma once

#include <QDir>
#include <QObject>
#include <QString>
#include <utility>

class CatalogueHost;
class Dialogs;

// The commands that change the catalogue (New Cat, Edit Cat, Del Cat, New Item, Del Item, the
// import and the purge) and what they work on: the category and the item last picked in their
// lists. Each command writes the files, then tells the window what to show afresh.
class CatalogueCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CatalogueCommands)
    Q_PROPERTY(QString pickedCategory READ pickedCategory)
    Q_PROPERTY(QString pickedItem READ pickedItem)

public:
    CatalogueCommands(const QDir& dir, Dialogs& dialogs, CatalogueHost& host,
                      QObject* parent = nullptr);

    // The picked category as the category list shows it, padded to 30 characters; empty when
    // none is picked.
    const QString& pickedCategory() const { return m_pickedCategory; }
    // The picked item as the item list shows it; empty when none is picked.
    const QString& pickedItem() const { return m_pickedItem; }

    // A category or an item was picked in its list: the entry's text as the list shows it.
    void pickCategory(const QString& entry);
    void pickItem(const QString& entry);
    // The picked category stays.
    void forgetPickedItem();
    // Nothing picked, as at start-up.
    void forgetPicks();

    void newCategory();
    void editCategory();
    void deleteCategory();
    void newItem();
    void deleteItem();
    // Appends the categories and items of IMPORT.TXT.
    void importFile();
    // Removes the items whose category is gone.
    void purgeOrphanItems();

private:
    // Shows the "Nothing to do!" refusal when the picked text is blank; true when the command
    // must stop there.
    bool refuseUnpicked(const QString& picked, const QString& message);
    // Asks for a category or an item name: at most a record's 30 characters, stored as typed or
    // with the user's consent. Empty when the command is to stop.
    QString askName(const QString& prompt, const QString& title, const QString& defaultText);
    // The whole records of the category and the item file.
    std::pair<qint64, qint64> recordCounts() const;

    QDir m_dir;
    Dialogs& m_dialogs;
    CatalogueHost& m_host;
    QString m_pickedCategory;
    QString m_pickedItem;
};
