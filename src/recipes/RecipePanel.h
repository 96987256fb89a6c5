#pragma once

#include "PanelFrame.h"

#include <QDir>
#include <QRectF>
#include <QString>

class Dialogs;
class NotesEditor;
class QLineEdit;
class QListWidget;
class QPushButton;
class RecipeHost;

// The recipe panel: the recipe files, the active recipe, and the commands on recipes.
class RecipePanel final : public PanelFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecipePanel)

public:
    RecipePanel(const QDir& dir, RecipeHost& host, Dialogs& dialogs, NotesEditor& editor,
                QWidget* parent = nullptr);

    // Shows the panel with no recipe active.
    void open();
    // Lists the recipe files as they are now.
    void reread();
    // The frame's place and the recipe list's height, in twips.
    void setPlaces(const QRectF& frame, double fileListHeight);

Q_SIGNALS:
    // The panel was closed; the toolbar's commands may run again.
    void closed();

private:
    void activatePickedRecipe();
    void getIngredients();
    void saveIngredients();
    void newRecipe();
    void deleteRecipe();
    void closePanel();
    void openNotes();
    // Shows the refusal; false, so that a check can return it.
    bool refuse(const QString& message);
    // Whether name may be worked with; otherwise shows refusal (if any) for a blank name, or why
    // the name cannot be a recipe's.
    bool usable(const QString& name, const QString& refusal);

    QDir m_dir;
    RecipeHost& m_host;
    Dialogs& m_dialogs;
    NotesEditor& m_editor;
    QPushButton* m_deleteButton;
    QLineEdit* m_activeRecipe;
    QListWidget* m_recipeList;
    bool m_rereading = false;
};
