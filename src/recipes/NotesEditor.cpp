#include "NotesEditor.h"

#include "CommandRunner.h"
#include "Dialogs.h"
#include "FileError.h"
#include "PrintTarget.h"
#include "RecipeFiles.h"
#include "RecipeHost.h"
#include "Twips.h"
#include "WaitCursor.h"
#include "WordWrap.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

using namespace Qt::StringLiterals;

NotesEditor::NotesEditor(const QDir& dir, RecipeHost& host, Dialogs& dialogs,
                         PrintTarget& printTarget, QWidget* parent)
    : PanelFrame(u"EditorFrame"_s, u" Notes "_s, parent)
    , m_dir(dir)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_printTarget(printTarget) {
    QPushButton* save = addButton(u"EditSave"_s, u"Save Notes"_s, u"save these notes"_s,
                                  QRectF(120, 240, 1575, 375));
    QPushButton* print =
        addButton(u"EditPrint"_s, u"Print Notes"_s, u"print notes"_s, QRectF(1680, 240, 1575, 375));
    QPushButton* cancel =
        addButton(u"EditCancel"_s, u"Close Notes"_s, QString(), QRectF(3240, 240, 1575, 375));
    m_editorBox = new QPlainTextEdit(this);
    m_editorBox->setObjectName(u"EditorBox"_s);
    m_editorBox->setAccessibleName(u"Notes"_s);
    m_editorBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editorBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setPlaces(QRectF(3240, 960, 4815, 2655), QRectF(120, 720, 3615, 2295));

    connect(save, &QPushButton::clicked, this, &NotesEditor::saveNote);
    connect(print, &QPushButton::clicked, this, &NotesEditor::printNote);
    connect(cancel, &QPushButton::clicked, this, &NotesEditor::cancelEditing);
    hide();
}

void NotesEditor::setPlaces(const QRectF& frame, const QRectF& editorBox) {
    placeFrame(frame);
    m_editorBox->setGeometry(Twips::toPixels(this, editorBox));
}

QString NotesEditor::text() const {
    // The raw text keeps no-break spaces; paragraph ends become the note's CR LF.
    QString raw = m_editorBox->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u"\r\n"_s);
    raw.replace(QChar::LineSeparator, u"\r\n"_s);
    return raw;
}

void NotesEditor::open(const QString& recipe) {
    QString note = RecipeFiles(m_dir).readNote(recipe);
    // Saving adds one line break at the end; opening takes it off, so that a note saved
    // unchanged keeps its size.
    if (note.endsWith(u"\r\n"_s))
        note.chop(2);
    else if (note.endsWith(u'\n') || note.endsWith(u'\r'))
        note.chop(1);
    note.replace(u"\r\n"_s, u"\n"_s);
    note.replace(u'\r', u'\n');
    m_recipe = recipe;
    // A frame's title reads "&" as a mnemonic.
    setTitle(u" Notes on "_s + QString(recipe).replace(u'&', u"&&"_s) + u' ');
    m_editorBox->setPlainText(note);
    m_loadedText = text();
    show();
    raise();
    m_editorBox->setFocus();
}

void NotesEditor::saveNote() {
    save();
}

bool NotesEditor::save() {
    if (!m_dialogs.confirmStorable(text(), u"note"_s))
        return false;
    return CommandRunner::run(m_dialogs, [this] {
        RecipeFiles(m_dir).writeNote(m_recipe, text());
        closeEditor();
    });
}

bool NotesEditor::hasUnsavedChanges() const {
    return !isHidden() && text() != m_loadedText;
}

bool NotesEditor::closeForExit() {
    if (!hasUnsavedChanges())
        return true;
    switch (m_dialogs.messageBox(u"Save the changes to the notes on "_s + m_recipe + u"?"_s,
                                 Dialogs::YesNoCancel + Dialogs::Question, u"Confirm"_s)) {
    case Dialogs::Yes:
        return save();
    case Dialogs::No:
        closeEditor();
        return true;
    default:
        return false;
    }
}

void NotesEditor::saveWithoutAsking() {
    if (!hasUnsavedChanges())
        return;
    try {
        RecipeFiles(m_dir).writeNote(m_recipe, text());
        m_loadedText = text();
    } catch (const FileError& error) {
        qWarning("The note could not be saved: %s", error.what());
    }
}

void NotesEditor::cancelEditing() {
    if (text() != m_loadedText && !m_dialogs.confirm(u"Quit without saving?"_s))
        return;
    closeEditor();
}

void NotesEditor::closeEditor() {
    hide();
    Q_EMIT closed();
}

void NotesEditor::printNote() {
    CommandRunner::run(m_dialogs, [this] {
        const int answer =
            m_dialogs.messageBox(u"Print your shopping list too?"_s,
                                 Dialogs::YesNoCancel + Dialogs::Question + Dialogs::DefaultButton2,
                                 u"Ready to print..."_s);
        if (answer == Dialogs::Cancel)
            return;
        m_printTarget.setDocName(m_recipe);
        m_printTarget.setFontName(u"Courier New"_s);
        m_printTarget.setFontBold(true);
        m_printTarget.setFontSize(10);
        {
            WaitCursor wait;
            const double width = m_printTarget.pageWidth() - 4000;
            WordWrap::print(m_printTarget, 1, 1000, width, text());
            m_printTarget.newPage();
        }
        // Today's List follows on the fresh sheet, in the same document, and ends it; without
        // it, the note alone is released here.
        if (answer == Dialogs::Yes && m_host.printTodaysList())
            return;
        m_printTarget.endDocument();
        CommandRunner::reportPrintout(m_dialogs, m_printTarget.outputFile());
    });
}
