#pragma once

#include "RecordingPrintTarget.h"

#include <QDir>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>

class Dialogs;
class ListBox;
class MainScreen;
class QLineEdit;

// Starts the main window over a data directory and works it the way a person does: clicks,
// double-clicks and keys on the real list boxes, menu and toolbar actions found by name.
class WindowDriver final {
public:
    WindowDriver(const QDir& dir, Dialogs& dialogs);
    ~WindowDriver();

    MainScreen& window() { return *m_window; }
    RecordingPrintTarget& printout() { return m_printout; }
    ListBox* list(const QString& name) const;
    QString editText(const QString& name) const;
    QString statusText(const QString& panel) const;
    QStringList entries(const QString& listName) const;
    int currentRow(const QString& listName) const;

    void click(const QString& listName, int row);
    void doubleClick(const QString& listName, int row);
    void rightClick(const QString& listName, int row);
    void pressKey(const QString& listName, int key);
    void trigger(const QString& actionName);
    void pressButton(const QString& name);
    // Clicks a recipe file in the recipe panel's list.
    void clickFile(const QString& fileName);
    QStringList files() const;

private:
    QPoint centreOf(ListBox* list, int row) const;

    RecordingPrintTarget m_printout;
    std::unique_ptr<MainScreen> m_window;
};
