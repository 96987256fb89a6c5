#include "ScriptedDialogs.h"
#include "ScriptedShell.h"
#include "ShellMenu.h"
#include "SplashForm.h"
#include "TempDirTest.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

class ShellTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void theMainWindowWaitsForClickMe() {
        QWidget mainWindow;
        SplashForm splash;
        splash.show();
        splash.showWhenUnloaded(mainWindow);
        QVERIFY(!mainWindow.isVisible());
        QTest::mouseClick(splash.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
        QVERIFY(mainWindow.isVisible());
        QVERIFY(!splash.isVisible());
    }

    void webPage_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<std::optional<QString>>("browser");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("calls");
        const QString asked = u"52 Run default web browser|Please make sure your internet "
                              "connection is active!\r\nContinue?"_s;
        const QString started =
            u"find junk.HTM|start /usr/bin/browser https://www.brindlecove.example/"_s;
        QTest::newRow("No") << u"No"_s << std::optional<QString>() << true << asked << QString();
        QTest::newRow("no browser")
            << u"Yes; OK"_s << std::optional<QString>() << true
            << asked + u"; 48 Browser Not Found|Could not find your Browser"_s
            << u"find junk.HTM"_s;
        QTest::newRow("started, the path trimmed")
            << u"Yes"_s << std::optional<QString>(u"  /usr/bin/browser   "_s) << true << asked
            << started;
        QTest::newRow("not started")
            << u"Yes; OK"_s << std::optional<QString>(u"/usr/bin/browser"_s) << false
            << asked + u"; 48 URL Failed|Web Page not Opened"_s << started;
    }
    void webPage() {
        QFETCH(QString, answers);
        QFETCH(std::optional<QString>, browser);
        QFETCH(bool, starts);
        QFETCH(QString, boxes);
        QFETCH(QString, calls);
        // The scratch page goes to the temporary folder: here, the test's own.
        const QByteArray temporary = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_dir.path().toLocal8Bit());
        const auto restore = qScopeGuard([&] { qputenv("TMPDIR", temporary); });
        ScriptedDialogs dialogs(answers.split(u"; "_s));
        ScriptedShell shell;
        shell.browser = browser;
        shell.starts = starts;
        QWidget window;
        ShellMenu(dialogs, shell, window).MU_BrowseDefault_Click();
        dialogs.verifyBoxes(boxes.split(u"; "_s));
        QCOMPARE(shell.calls.join(u'|'), calls);
        QCOMPARE(m_dir.entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
