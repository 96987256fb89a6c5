#pragma once

#include "CatalogueSearch.h"

#include <QWidget>

class Dialogs;
class FoundItems;
class QLineEdit;
class QListView;
class QModelIndex;

// "Find Items": a small window beside the main one that finds catalogue items as the user
// types a piece of their item or category name. Enter or a double-click on an item found puts it
// on Today's List; the window stays for the next search, and Escape closes it.
class FindWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindWindow)

public:
    FindWindow(const QDir& dir, Dialogs& dialogs, QWidget* parent);

    // Brings the window to the front with its text selected, for the next search.
    void open();
    // The catalogue was changed: an open window searches again, keeping its highlight on the
    // same item where it is still found.
    void catalogueChanged();

Q_SIGNALS:
    // The Today's List entry for the item chosen, as a double-click on it in the item list
    // makes it.
    void chosen(const QString& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Searches for the text, reading the catalogue again where its files changed; the highlight
    // goes to the entry to keep where it is found, else to the first item.
    void search(const QString& keep = {});
    // The Today's List entry of a row found; empty for no row.
    QString entryAt(int row) const;
    void choose(const QModelIndex& index);

    Dialogs& m_dialogs;
    CatalogueSearch m_search;
    QLineEdit* m_box;
    QListView* m_list;
    FoundItems* m_found;
    bool m_placed = false;
};
