#include "TempDirTest.h"

#include "ScriptedDialogs.h"
#include "WindowDriver.h"

using namespace Qt::StringLiterals;
using TestFiles::Files;

void TempDirTest::addScenarioColumns() {
    QTest::addColumn<Files>("before");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<Files>("after");
    QTest::addColumn<QString>("probes");
}

void TempDirTest::addScenario(const char* name, const Files& before, const QString& steps,
                              const QString& answers, const QString& boxes, const Files& after,
                              const QString& probes) {
    QTest::newRow(name) << before << steps << answers << boxes << after << probes;
}

void TempDirTest::runScenario() {
    QFETCH(Files, before);
    QFETCH(QString, steps);
    QFETCH(QString, answers);
    QFETCH(QString, boxes);
    QFETCH(Files, after);
    QFETCH(QString, probes);
    TestFiles::writeAll(m_dir, before);
    // Changes of files before "start" are made before the window opens.
    QString afterStart = steps;
    if (const qsizetype start = steps.indexOf(u"start;"); start >= 0) {
        for (const QString& step : steps.left(start).split(u"; "_s, Qt::SkipEmptyParts))
            QVERIFY(TestFiles::change(m_dir, step));
        afterStart = steps.mid(start + 6);
    }
    ScriptedDialogs dialogs(answers.split(u"; "_s, Qt::SkipEmptyParts));
    WindowDriver screen(m_dir, dialogs);
    screen.perform(afterStart);
    screen.settle();
    dialogs.verifyBoxes(boxes.split(u"; "_s, Qt::SkipEmptyParts));
    TestFiles::verifyAll(m_dir, after);
    screen.verify(probes.split(u"; "_s, Qt::SkipEmptyParts));
}
