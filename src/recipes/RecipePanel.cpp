#include "RecipePanel.h"

#include "Blanks.h"
#include "CommandRunner.h"
#include "Dialogs.h"
#include "FocusFrame.h"
#include "NotesEditor.h"
#include "RecipeFiles.h"
#include "RecipeHost.h"
#include "Twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

RecipePanel::RecipePanel(const QDir& dir, RecipeHost& host, Dialogs& dialogs, NotesEditor& editor,
                         QWidget* parent)
    : PanelFrame(u"MacroFrame"_s, u" Available Recipes "_s, parent)
    , m_dir(dir)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_editor(editor) {
    QPushButton* saveButton = addButton(u"SaveMacro"_s, u"Save Ingredient List"_s,
                                        u"permanently save Today's List as an ingredient list"_s,
                                        QRectF(120, 240, 2055, 375));
    QPushButton* getButton =
        addButton(u"RunMacro"_s, u"Get Ingredient List"_s,
                  u"get ingredient list - add  to Today's List"_s, QRectF(120, 720, 2055, 375));
    QPushButton* noteButton =
        addButton(u"NoteButton"_s, u"Recipe Notes"_s, u"create / edit notes for this recipe"_s,
                  QRectF(120, 1200, 2055, 375));
    QPushButton* newButton =
        addButton(u"Command1"_s, u"New"_s, u"start new Recipe"_s, QRectF(2280, 240, 735, 375));
    m_deleteButton = addButton(u"KillMac"_s, u"Delete"_s, u"delete this list permanently"_s,
                               QRectF(2280, 720, 735, 375));
    m_deleteButton->setEnabled(false);
    QPushButton* closeButton = addButton(u"CancelMacro"_s, u"Close"_s, u"quit recipe module"_s,
                                         QRectF(2280, 1200, 735, 375));
    m_activeRecipe = new QLineEdit(this);
    m_activeRecipe->setObjectName(u"MacName"_s);
    m_activeRecipe->setToolTip(u"active recipe / ingredient list"_s);
    m_activeRecipe->setReadOnly(true);
    m_activeRecipe->setAccessibleName(u"Active recipe"_s);
    m_activeRecipe->setGeometry(Twips::toPixels(this, QRectF(120, 1680, 2895, 285)));
    m_recipeList = new QListWidget(this);
    m_recipeList->setObjectName(u"File1"_s);
    FocusFrame::install(m_recipeList);
    m_recipeList->setToolTip(u"click to make active"_s);
    m_recipeList->setAccessibleName(u"Recipes"_s);
    setPlaces(QRectF(120, 960, 3135, 2655), 285);

    // The recipe under the highlight is the active one, whether a click or a key put it there.
    connect(m_recipeList, &QListWidget::itemClicked, this, &RecipePanel::activatePickedRecipe);
    connect(m_recipeList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !m_rereading)
            activatePickedRecipe();
    });
    connect(getButton, &QPushButton::clicked, this, &RecipePanel::getIngredients);
    connect(saveButton, &QPushButton::clicked, this, &RecipePanel::saveIngredients);
    connect(newButton, &QPushButton::clicked, this, &RecipePanel::newRecipe);
    connect(m_deleteButton, &QPushButton::clicked, this, &RecipePanel::deleteRecipe);
    connect(closeButton, &QPushButton::clicked, this, &RecipePanel::closePanel);
    connect(noteButton, &QPushButton::clicked, this, &RecipePanel::openNotes);
    connect(&m_editor, &NotesEditor::closed, this, [this] { setEnabled(true); });
    hide();
    reread();
}

void RecipePanel::setPlaces(const QRectF& frame, double fileListHeight) {
    placeFrame(frame);
    m_recipeList->setGeometry(Twips::toPixels(this, QRectF(120, 2040, 2895, fileListHeight)));
}

void RecipePanel::open() {
    m_activeRecipe->clear();
    show();
    raise();
}

void RecipePanel::reread() {
    const QScopedValueRollback rereading(m_rereading, true);
    CommandRunner::run(m_dialogs, [this] {
        m_recipeList->clear();
        m_recipeList->addItems(RecipeFiles(m_dir).recipeFileNames());
        m_recipeList->scrollToTop();
    });
}

bool RecipePanel::refuse(const QString& message) {
    m_dialogs.refuse(message);
    return false;
}

bool RecipePanel::usable(const QString& name, const QString& refusal) {
    if (!refusal.isEmpty() && Blanks::trimmed(name).isEmpty())
        return refuse(refusal);
    const QString problem = RecipeFiles(m_dir).nameProblem(name);
    return problem.isEmpty() || refuse(problem);
}

void RecipePanel::activatePickedRecipe() {
    const QListWidgetItem* item = m_recipeList->currentItem();
    if (!item)
        return;
    // The recipe's own file name, blanks and all.
    m_activeRecipe->setText(item->text().chopped(4));
    m_deleteButton->setEnabled(true);
}

void RecipePanel::getIngredients() {
    const QString name = m_activeRecipe->text();
    if (!usable(name, u"Please pick a recipe."_s) ||
        !m_dialogs.confirm(u"Add "_s + name + u" ingredients to Today's List?"_s,
                           Dialogs::YesNo + Dialogs::Question))
        return;
    CommandRunner::run(m_dialogs, [&] { m_host.addRecipeToTodaysList(name); });
    reread();
}

void RecipePanel::saveIngredients() {
    const QString name = m_activeRecipe->text();
    if (!usable(name, u"Please provide a name."_s))
        return;
    if (m_host.todaysListCount() == 0) {
        refuse(u"Please build a list to record."_s);
        return;
    }
    if (m_dialogs.messageBox(u"Save the current contents of Today's List as \r\nthe "_s + name +
                                 u" ingredient list?"_s,
                             Dialogs::YesNo + Dialogs::Question,
                             u"Ready to record list..."_s) != Dialogs::Yes)
        return;
    CommandRunner::run(m_dialogs, [&] { m_host.saveTodaysListAsRecipe(name); });
    reread();
}

void RecipePanel::newRecipe() {
    const QString name = m_dialogs.askText(u"New recipe name..."_s, u"New Recipe"_s, QString());
    if (name.isEmpty() || !usable(name, QString()))
        return;
    CommandRunner::run(m_dialogs, [&] {
        if (RecipeFiles(m_dir).recipeExists(name) &&
            !m_dialogs.confirm(u"Replace the "_s + name + u" ingredient list with Today's List?"_s))
            return;
        m_host.saveTodaysListAsRecipe(name);
    });
    reread();
}

void RecipePanel::deleteRecipe() {
    const QString name = m_activeRecipe->text();
    if (name.isEmpty() || !usable(name, QString()) ||
        !m_dialogs.confirm(u"Delete list: "_s + name + u" ?"_s))
        return;
    const bool withNote =
        m_dialogs.confirm(u"Delete note file too?"_s, Dialogs::YesNo + Dialogs::Question);
    CommandRunner::run(m_dialogs, [&] {
        const RecipeFiles files(m_dir);
        files.removeRecipe(name);
        reread();
        if (withNote)
            files.removeNote(name);
        m_activeRecipe->clear();
    });
}

void RecipePanel::closePanel() {
    hide();
    Q_EMIT closed();
    reread();
}

void RecipePanel::openNotes() {
    const QString name = m_activeRecipe->text();
    if (!usable(name, u"Please pick the recipe you wish to work with."_s))
        return;
    CommandRunner::run(m_dialogs, [&] {
        m_editor.open(name);
        setEnabled(false);
    });
}
