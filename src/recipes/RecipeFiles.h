#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// Recipe files ("name.rcp", one Today's List entry a line) and note files ("name.txt", free
// text) in the data folder.
class RecipeFiles final {
public:
    explicit RecipeFiles(const QDir& dir);

    // Why name cannot be a recipe's name, or the empty string when it can: it must be a plain
    // name that stays in the data folder. A recipe file that is there already is used
    // under its own name, even one that begins or ends in a blank. Every other function takes
    // only names that can.
    QString nameProblem(const QString& name) const;

    // The recipe files' names, "*.rcp", in the lists' order (see ListOrder).
    QStringList recipeFileNames() const;
    bool recipeExists(const QString& name) const;

    // The recipe's lines as they stand; a missing recipe file is created empty.
    QStringList readRecipe(const QString& name) const;
    // Replaces the recipe file in one step with the entries, trimmed, empty ones left out.
    void writeRecipe(const QString& name, const QStringList& entries) const;
    void removeRecipe(const QString& name) const;

    // The whole note, every byte; a missing note file is created empty.
    QString readNote(const QString& name) const;
    // Replaces the note file in one step with text followed by CR LF.
    void writeNote(const QString& name, const QString& text) const;
    void removeNote(const QString& name) const;

private:
    QString fileName(const QString& name, const QString& extension) const;

    QDir m_dir;
};
