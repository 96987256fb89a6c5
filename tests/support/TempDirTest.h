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
    struct Scenario {
        TestFiles::Files before = {};
        QString steps = {};
        QString answers = {};
        QString boxes = {};
        TestFiles::Files after = {};
        QString shows = {};
    };

protected:
    QDir m_dir;

    // A scenario starts the main window over the files "before", performs the steps (see
    // WindowDriver::perform) with the scripted answers, and checks the boxes shown (see
    // ScriptedDialogs), the files "after" and what the widgets show (see WindowDriver::verify).
    // Steps, answers, boxes and what is shown are each given as one text, separated by "; ".
    // Steps before a "start" step change files (see TestFiles::change) before the window opens.
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
