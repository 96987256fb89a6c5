#include "FolderLock.h"
#include "ScriptedDialogs.h"
#include "ScriptedShell.h"
#include "ShellMenu.h"
#include "SplashForm.h"
#include "TempDirTest.h"

#include <QPushButton>
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
        QVERIFY(mainWindow.isVisible() && !splash.isVisible());
    }

    void oneCopyAFolder() {
        FolderLock first(m_dir);
        FolderLock second(m_dir);
        ScriptedDialogs dialogs({u"OK"_s});
        QVERIFY(first.take(dialogs));
        QVERIFY(!second.take(dialogs));
        dialogs.verifyBoxes({u"48 Vittlo!|Vittlo! is already running in this folder."_s});
        // Where no lock can be made, the program runs as it always did.
        QVERIFY(m_dir.mkpath(u"elsewhere/vittlo.lck"_s));
        QVERIFY(FolderLock(QDir(m_dir.filePath(u"elsewhere"_s))).take(dialogs));
    }

    void webPage_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("browser"); // what the desktop names; "!" first: it fails
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("calls");
        const QString asked = u"52 Run default web browser|Please make sure your internet "
                              "connection is active!\r\nContinue?"_s;
        const QString started =
            u"find junk.HTM|start /usr/bin/browser https://www.brindlecove.example/"_s;
        QTest::newRow("No") << u"No"_s << QString() << asked << QString();
        QTest::newRow("no browser")
            << u"Yes; OK"_s << QString()
            << asked + u"; 48 Browser Not Found|Could not find your Browser"_s
            << u"find junk.HTM"_s;
        QTest::newRow("started, the path trimmed")
            << u"Yes"_s << u"  /usr/bin/browser   "_s << asked << started;
        QTest::newRow("not started") << u"Yes; OK"_s << u"!/usr/bin/browser"_s
                                     << asked + u"; 48 URL Failed|Web Page not Opened"_s << started;
    }
    void webPage() {
        QFETCH(QString, answers);
        QFETCH(QString, browser);
        QFETCH(QString, boxes);
        QFETCH(QString, calls);
        ScriptedDialogs dialogs(answers.split(u"; "_s));
        ScriptedShell shell;
        if (!browser.isEmpty())
            shell.browser = QString(browser).remove(u'!');
        shell.starts = !browser.startsWith(u'!');
        QWidget window;
        ShellMenu(dialogs, shell, window).MU_BrowseDefault_Click();
        dialogs.verifyBoxes(boxes.split(u"; "_s));
        QCOMPARE(shell.calls.join(u'|'), calls);
        QVERIFY(!QDir::temp().exists(u"junk.HTM"_s)); // the scratch page is gone
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
