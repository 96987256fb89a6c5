#pragma once

#include "ShopList.h"

#include <QDialog>
#include <QStringList>

class Dialogs;
class QListWidget;
class QPushButton;

// The shops of the data folder: add, rename and delete them, and for the shop highlighted put
// the categories in the order of its aisles (drag one to its place, or move the highlighted one
// with Move Up and Move Down, Alt+Up and Alt+Down; Alphabetical puts them in alphabetical order),
// each with a check box ticked when the shop sells it.
class ShopsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShopsDialog)

public:
    // categories: the catalogue's; shops: as their file holds them.
    ShopsDialog(const ShopList& shops, const QStringList& categories, Dialogs& dialogs,
                QWidget* parent = nullptr);

    // The shops as the user left them, each keeping the places of the names the catalogue lacks.
    ShopList shops();

private:
    // The name typed for a shop, trimmed; empty when the user cancelled or it cannot be one.
    QString askName(const QString& prompt, const QString& title, const QString& current);
    // Shows the aisles of the shop in the row, after keeping those shown.
    void showShop(int row);
    void display(int row);
    // Keeps what the aisle list shows in the shop it shows.
    void keepShown();
    void moveCurrent(int by);
    void addShop();
    void renameShop();
    void deleteShop();

    ShopList m_shops;
    QStringList m_categories;
    Dialogs& m_dialogs;
    QListWidget* m_shopNames;
    QListWidget* m_aisles;
    QList<QPushButton*> m_shopButtons;
    int m_shown = -1;
};
