#pragma once

#include "MainScreen.h"
#include "RecordingPrintTarget.h"
#include "ScriptedShell.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <memory>

class Dialogs;
class QAbstractItemView;

// Starts the main window over a data directory and works it the way a person does: clicks,
// double-clicks and keys on the real widgets, menu and toolbar actions found by name.
class WindowDriver final {
public:
    WindowDriver(const QDir& dir, Dialogs& dialogs);

    MainScreen& window() { return *m_window; }
    ScriptedShell& shell() { return m_shell; }
    // The text of the QR code the Send to Phone window shows, as a QR decoder reads it from the
    // screen, its bytes taken as UTF-8, and whether it is marked as UTF-8; "<no code>" when none
    // can be read, "<no quiet zone>" without four light modules around it inside the widget,
    // "<over version 15>" for a code larger than a phone reads at a glance.
    QString shownQrCode(bool* marked = nullptr) const;

    // Steps separated by ";", each a verb, a widget's name and an argument:
    //   click, dclick, rclick LIST ROW   a click on an entry
    //   tick LIST ROW                    a click on an entry's check box
    //   key WIDGET KEY                   a key by its name: Return, Down, B, Ctrl+P
    //   type WIDGET TEXT                 typed text
    //   do ACTION                        a menu item or toolbar button
    //   press BUTTON                     a push button
    //   close                            closes the window
    //   wait                             until Today's List is written after its last change
    //   rm, mkdir, touch, chmod          changes a file, as TestFiles::change does
    //   printerfails MESSAGE             the printer fails from now on
    //   noprinter                        printouts go to printout.pdf
    //   clip TEXT                        puts the text on the clipboard
    void perform(const QString& steps);
    // Waits until Today's List is written after its last change.
    void settle();
    // What a widget shows, as text: a list's entries joined by "|", the current one marked ">"
    // and ticked ones "+"; a label's,
    // edit box's or button's text; a frame's title, or "hidden" (so is a window); a window's
    // title; the toolbar as 1 for each enabled button, 0 for each disabled one; "printout": the
    // print log with today's date as DATE; "printjob": the name of the last document printed;
    // "statusmessage": the status bar's report; "window": open or closed; "cursor": wait or normal;
    // "clipboard": its text, "|" for each line break. Trailing blanks are shortened as
    // TestFiles::shortBlanks does, and "(disabled)" follows a disabled widget.
    QString probe(const QString& name) const;
    // Fails the test unless every "name=text" holds for probe(name).
    void verify(const QStringList& probes) const;

private:
    QPoint pointOf(QAbstractItemView* list, int row, bool onCheckBox) const;

    QDir m_dir;
    RecordingPrintTarget m_printout;
    ScriptedShell m_shell;
    std::unique_ptr<MainScreen> m_window;
};
