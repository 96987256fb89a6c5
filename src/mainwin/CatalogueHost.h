#pragma once

#include <QString>

// What the catalogue commands need of the window: the lists they change, shown afresh.
class CatalogueHost {
public:
    virtual ~CatalogueHost() = default;

    // Refills the category list from its file; nothing is current afterwards.
    virtual void showCategories() = 0;
    // Refills the item list with the picked category's items and counts them in the first status
    // panel.
    virtual void showCategoryItems() = 0;
    virtual void clearItemList() = 0;
    // The first status panel: the item list's count without a leading blank, then the category.
    virtual void showItemCount() = 0;
    virtual void clearTodaysListCurrent() = 0;
    // Makes the picked category the category list's current entry and shows its items.
    virtual void showPickedCategory() = 0;
    // A short report in the status bar, such as the counts of bulk work.
    virtual void showStatusMessage(const QString& message) = 0;
    virtual void showTodaysListCount() = 0;
    // The shop's order changed: Today's List takes it up.
    virtual void showShopOrder() = 0;
};
