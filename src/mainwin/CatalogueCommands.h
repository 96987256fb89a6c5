#pragma once

#include "ItemRecord.h"

#include <QDir>
#include <QObject>
#include <QString>
#include <utility>

class CatalogueHost;
class Dialogs;
class QLineEdit;
class QWidget;

// The commands that change the catalogue (New Cat, Edit Cat, Del Cat, New Item, Del Item, the
// import and the purge) and the picked state they work on: the category and the item last
// clicked, in the hidden edit boxes CatEdit and StdEdit, and CurrentCategory and CurrentItem.
// Each command writes the files, then tells the window what to show afresh.
class CatalogueCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CatalogueCommands)

public:
    // The hidden edit boxes are made on boxParent.
    CatalogueCommands(const QDir& dir, Dialogs& dialogs, CatalogueHost& host, QWidget* boxParent);

    // The picked category as the category list shows it, padded to 30 characters; empty when
    // none is picked.
    QString pickedCategory() const;

    // A category or item was clicked: the entry's text as its list shows it.
    void pickCategory(const QString& entry);
    void pickItem(const QString& entry);
    // Forgets the picked item; the picked category stays.
    void ClearEditBoxes();
    // Nothing picked, as at start-up.
    void forgetPicks();

    void newCategory();
    void editCategory();
    void deleteCategory();
    void newItem();
    void deleteItem();
    void MU_Import_Click();
    void MU_Purge_Click();

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
    QLineEdit* m_catEdit;
    QLineEdit* m_stdEdit;
    QLineEdit* m_tmpEdit;
    QString m_currentCategory;
    ItemRecord m_currentItem;
};
