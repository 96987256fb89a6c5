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
    QPushButton* saveMacro = addButton(u"SaveMacro"_s, u"Save Ingredient List"_s,
                                       u"permanently save Today's List as an ingredient list"_s,
                                       QRectF(120, 240, 2055, 375));
    QPushButton* runMacro =
        addButton(u"RunMacro"_s, u"Get Ingredient List"_s,
                  u"get ingredient list - add  to Today's List"_s, QRectF(120, 720, 2055, 375));
    QPushButton* noteButton =
        addButton(u"NoteButton"_s, u"Recipe Notes"_s, u"create / edit notes for this recipe"_s,
                  QRectF(120, 1200, 2055, 375));
    QPushButton* command1 =
        addButton(u"Command1"_s, u"New"_s, u"start new Recipe"_s, QRectF(2280, 240, 735, 375));
    m_killMac = addButton(u"KillMac"_s, u"Delete"_s, u"delete this list permanently"_s,
                          QRectF(2280, 720, 735, 375));
    m_killMac->setEnabled(false);
    QPushButton* cancelMacro = addButton(u"CancelMacro"_s, u"Close"_s, u"quit recipe module"_s,
                                         QRectF(2280, 1200, 735, 375));
    m_macName = new QLineEdit(this);
    m_macName->setObjectName(u"MacName"_s);
    m_macName->setToolTip(u"active recipe / ingredient list"_s);
    m_macName->setReadOnly(true);
    m_macName->setAccessibleName(u"Active recipe"_s);
    m_macName->setGeometry(Twips::toPixels(this, QRectF(120, 1680, 2895, 285)));
    m_file1 = new QListWidget(this);
    m_file1->setObjectName(u"File1"_s);
    FocusFrame::install(m_file1);
    m_file1->setToolTip(u"click to make active"_s);
    m_file1->setAccessibleName(u"Recipes"_s);
    setPlaces(QRectF(120, 960, 3135, 2655), 285);

    // The recipe under the highlight is the active one, whether a click or a key put it there.
    connect(m_file1, &QListWidget::itemClicked, this, &RecipePanel::File1_Click);
    connect(m_file1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !m_rereading)
            File1_Click();
    });
    connect(runMacro, &QPushButton::clicked, this, &RecipePanel::RunMacro_Click);
    connect(saveMacro, &QPushButton::clicked, this, &RecipePanel::SaveMacro_Click);
    connect(command1, &QPushButton::clicked, this, &RecipePanel::Command1_Click);
    connect(m_killMac, &QPushButton::clicked, this, &RecipePanel::KillMac_Click);
    connect(cancelMacro, &QPushButton::clicked, this, &RecipePanel::CancelMacro_Click);
    connect(noteButton, &QPushButton::clicked, this, &RecipePanel::NoteButton_Click);
    connect(&m_editor, &NotesEditor::closed, this, [this] { setEnabled(true); });
    hide();
    reread();
}

void RecipePanel::setPlaces(const QRectF& frame, double fileListHeight) {
    placeFrame(frame);
    m_file1->setGeometry(Twips::toPixels(this, QRectF(120, 2040, 2895, fileListHeight)));
}

void RecipePanel::open() {
    m_macName->clear();
    show();
    raise();
}

void RecipePanel::reread() {
    const QScopedValueRollback rereading(m_rereading, true);
    CommandRunner::run(m_dialogs, [this] {
        m_file1->clear();
        m_file1->addItems(RecipeFiles(m_dir).recipeFileNames());
        m_file1->scrollToTop();
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

void RecipePanel::File1_Click() {
    const QListWidgetItem* item = m_file1->currentItem();
    if (!item)
        return;
    // The recipe's own file name, blanks and all.
    m_macName->setText(item->text().chopped(4));
    m_killMac->setEnabled(true);
}

void RecipePanel::RunMacro_Click() {
    const QString name = m_macName->text();
    if (!usable(name, u"Please pick a recipe."_s) ||
        !m_dialogs.confirm(u"Add "_s + name + u" ingredients to Today's List?"_s,
                           Dialogs::YesNo + Dialogs::Question))
        return;
    CommandRunner::run(m_dialogs, [&] { m_host.ReadMac(name); });
    reread();
}

void RecipePanel::SaveMacro_Click() {
    const QString name = m_macName->text();
    if (!usable(name, u"Please provide a name."_s))
        return;
    if (m_host.todaysListCount() == 0) {
        refuse(u"Please build a list to record."_s);
        return;
    }
    if (m_dialogs.MsgBox(u"Save the current contents of Today's List as \r\nthe "_s + name +
                             u" ingredient list?"_s,
                         Dialogs::YesNo + Dialogs::Question,
                         u"Ready to record list..."_s) != Dialogs::Yes)
        return;
    CommandRunner::run(m_dialogs, [&] { m_host.SaveMac(name); });
    reread();
}

void RecipePanel::Command1_Click() {
    const QString name = m_dialogs.InputBox(u"New recipe name..."_s, u"New Recipe"_s, QString());
    if (name.isEmpty() || !usable(name, QString()))
        return;
    CommandRunner::run(m_dialogs, [&] {
        if (RecipeFiles(m_dir).recipeExists(name) &&
            !m_dialogs.confirm(u"Replace the "_s + name + u" ingredient list with Today's List?"_s))
            return;
        m_host.SaveMac(name);
    });
    reread();
}

void RecipePanel::KillMac_Click() {
    const QString name = m_macName->text();
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
        m_macName->clear();
    });
}

void RecipePanel::CancelMacro_Click() {
    hide();
    m_host.recipePanelClosed();
    reread();
}

void RecipePanel::NoteButton_Click() {
    const QString name = m_macName->text();
    if (!usable(name, u"Please pick the recipe you wish to work with."_s))
        return;
    CommandRunner::run(m_dialogs, [&] {
        m_editor.open(name);
        setEnabled(false);
    });
}
