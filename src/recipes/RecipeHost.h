#pragma once

#include <QString>

// What the recipe panel and the notes editor need of the main window.
class RecipeHost {
public:
    virtual ~RecipeHost() = default;

    // Adds the recipe's lines to Today's List.
    virtual void ReadMac(const QString& name) = 0;
    // Replaces the recipe file with Today's List.
    virtual void SaveMac(const QString& name) = 0;
    virtual int todaysListCount() const = 0;
    virtual void recipePanelClosed() = 0;
    // Prints Today's List, asking first, and ends the document; false when the user cancelled
    // and nothing was printed.
    virtual bool PrintTodaysList() = 0;
};
