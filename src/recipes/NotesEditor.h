#pragma once

#include "PanelFrame.h"

#include <QDir>
#include <QRectF>
#include <QString>

class Dialogs;
class PrintTarget;
class QPlainTextEdit;
class QPushButton;
class RecipeHost;

// The notes editor: the note of one recipe, opened from the recipe panel, saved, printed or
// dropped. It keeps the name of the recipe whose note it opened, so a save always reaches that
// recipe's note file.
class NotesEditor final : public PanelFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotesEditor)

public:
    NotesEditor(const QDir& dir, RecipeHost& host, Dialogs& dialogs, PrintTarget& printTarget,
                QWidget* parent = nullptr);

    // Reads the recipe's note, creating the file when missing, and shows it.
    void open(const QString& recipe);
    // The editor's text with its line breaks as CR LF, as the note file holds them.
    QString text() const;
    // Whether the editor is open on changes not saved yet.
    bool hasUnsavedChanges() const;
    // The window is closing: asks whether to save changes not saved yet. False when the user
    // keeps the window open, or the note could not be saved.
    bool closeForExit();
    // The program is ended from outside: changes not saved yet are saved as they stand.
    void saveWithoutAsking();
    // Frame and text box places, in twips; the box's relative to the frame.
    void setPlaces(const QRectF& frame, const QRectF& editorBox);

Q_SIGNALS:
    void closed();

private:
    void saveNote();
    void printNote();
    void cancelEditing();
    // Saves the note and closes the editor; false when it was not saved.
    bool save();
    void closeEditor();

    QDir m_dir;
    RecipeHost& m_host;
    Dialogs& m_dialogs;
    PrintTarget& m_printTarget;
    QPlainTextEdit* m_editorBox;
    QString m_recipe;
    QString m_loadedText;
};
