#include "TempDirTest.h"

#include "ScriptedDialogs.h"
#include "WindowDriver.h"

using namespace Qt::StringLiterals;
using TestFiles::Files;

void TempDirTest::addScenarioColumns() {
    QTest::addColumn<Scenario>("scenario");
}

void TempDirTest::addScenario(const char* name, const Scenario& scenario) {
    QTest::newRow(name) << scenario;
}

void TempDirTest::setEnvironment(const char* name, const QByteArray& value) {
    m_environment.append({name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()});
    value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
}

void TempDirTest::runScenario() {
    QFETCH(Scenario, scenario);
    const auto& [before, steps, boxes, after, shows] = scenario;
    TestFiles::writeAll(m_dir, before);
    // Changes of files before "start" are made before the window opens.
    QString afterStart = steps;
    if (const qsizetype start = steps.indexOf(u"start;"); start >= 0) {
        for (const QString& step : steps.left(start).split(u"; "_s, Qt::SkipEmptyParts))
            QVERIFY(TestFiles::change(m_dir, step));
        afterStart = steps.mid(start + 6);
    }
    ScriptedDialogs dialogs(boxes);
    WindowDriver screen(m_dir, dialogs);
    screen.perform(afterStart);
    screen.settle();
    TestFiles::verifyAll(m_dir, after);
    screen.verify(shows.split(u"; "_s, Qt::SkipEmptyParts));
}
