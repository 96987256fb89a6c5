#pragma once

#include "TestFiles.h"

#include <QDir>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// A test class whose every test function works in a fresh, empty directory.
class TempDirTest : public QObject {
    Q_OBJECT

public:
    // One row of a window test; each part is one text, its pieces separated by "; ":
    //   before   the data folder's files as bytes ("<missing>", "<dir>": see TestFiles.h)
    //   steps    what a person does, in order: "click CatList 1", "dclick StdList 0" (a
    //            double-click), "key TmpList Ctrl+Z", "type FindBox milk", "do tbNewCat" (a
    //            toolbar button or menu item), "press SaveMacro" (a push button); steps before
    //            "start" change files before the window opens (see WindowDriver.h for all)
    //   boxes    the boxes shown, each with its answer: "TITLE BUTTONS ICON default-BUTTON|TEXT
    //            => Yes" for a message box, "input TITLE|PROMPT|TEXT => =Milk" for an input box
    //            ("=Milk" typed and accepted, "Cancel"); "*" matches any text
    //   after    files as bytes afterwards; those not named are not checked
    //   shows    what widgets show, "NAME=TEXT": a list's entries joined by "|", the current one
    //            marked ">" and a ticked one "+", trailing blanks written "~N"; so
    //            "CatList=>Dairy~25|Fish~26" is a list of two names filled to 30 characters with
    //            Dairy the current one; "catalogue.pickedItem=" reads a property of a part
    //            that is no widget
    struct Scenario {
        TestFiles::Files before = {};
        QString steps = {};
        QString boxes = {};
        TestFiles::Files after = {};
        QString shows = {};
    };

protected:
    QDir m_dir;

    // A scenario starts the main window over the files "before", performs the steps answering
    // the boxes, and checks them, the files "after" and what the widgets show.
    static void addScenarioColumns();
    static void addScenario(const char* name, const Scenario& scenario);
    void runScenario();
    // Sets an environment variable, or unsets it for an empty value, until the test function ends.
    void setEnvironment(const char* name, const QByteArray& value);

private Q_SLOTS:
    void init() {
        m_tmp.emplace();
        QVERIFY(m_tmp->isValid());
        m_dir = QDir(m_tmp->path());
    }
    // A test may have taken away the right to remove what it made.
    void cleanup() {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        while (!m_environment.isEmpty()) {
            const auto [name, value] = m_environment.takeLast();
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        }
    }

private:
    std::optional<QTemporaryDir> m_tmp;
    QList<std::pair<const char*, QByteArray>> m_environment;
};

Q_DECLARE_METATYPE(TempDirTest::Scenario)
