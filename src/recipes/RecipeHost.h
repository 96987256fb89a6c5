#pragma once

#include <QString>

// What the recipe panel and the notes editor need of Today's List.
class RecipeHost {
public:
    virtual ~RecipeHost() = default;

    // Adds the recipe's lines to Today's List.
    virtual void addRecipeToTodaysList(const QString& name) = 0;
    // Replaces the recipe's file with Today's List.
    virtual void saveTodaysListAsRecipe(const QString& name) = 0;
    virtual int todaysListCount() const = 0;
    // Prints Today's List, asking first whether with category names, and ends the document;
    // false when the user cancelled and nothing was printed.
    virtual bool printTodaysList() = 0;
};
