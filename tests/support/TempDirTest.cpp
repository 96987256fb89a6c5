#include "TempDirTest.h"

#include "ScriptedDialogs.h"
#include "WindowDriver.h"

using namespace Qt::StringLiterals;
using TestFiles::Files;

void TempDirTest::addScenarioColumns() {
    QTest::addColumn<Files>("before");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<Files>("after");
    QTest::addColumn<QStringList>("probes");
}

void TempDirTest::addScenario(const char* name, const Files& before, const QString& steps,
                              const QString& answers, const QString& boxes, const Files& after,
                              const QString& probes) {
    const auto list = [](const QString& text) {
        return text.split(QStringLiteral("; "), Qt::SkipEmptyParts);
    };
    QTest::newRow(name) << before << steps << list(answers) << list(boxes) << after << list(probes);
}

void TempDirTest::runScenario() {
    QFETCH(Files, before);
    QFETCH(QString, steps);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, boxes);
    QFETCH(Files, after);
    QFETCH(QStringList, probes);
    TestFiles::writeAll(m_dir, before);
    // Changes of files before "start" are made before the window opens.
    QString afterStart = steps;
    if (const qsizetype start = steps.indexOf(u"start;"); start >= 0) {
        for (const QString& step : steps.left(start).split(u"; "_s, Qt::SkipEmptyParts))
            QVERIFY(TestFiles::change(m_dir, step));
        afterStart = steps.mid(start + 6);
    }
    ScriptedDialogs dialogs(answers);
    WindowDriver screen(m_dir, dialogs);
    screen.perform(afterStart);
    dialogs.verifyBoxes(boxes);
    TestFiles::verifyAll(m_dir, after);
    screen.verify(probes);
}
