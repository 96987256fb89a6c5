#include "DataFolder.h"
#include "FolderLock.h"
#include "MainScreen.h"
#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "ScriptedShell.h"
#include "ShellMenu.h"
#include "SplashForm.h"
#include "StandardDialogs.h"
#include "SystemShell.h"
#include "TempDirTest.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <thread>

using namespace Qt::StringLiterals;

class ShellTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    // A start-up question (here the upgrade's) waits until the splash form has gone, so that no
    // key meant for "Click Me" answers it unseen; "Click Me", clicked or by Enter, shows the main
    // window.
    void startUpQuestionsWaitForTheSplashForm() {
        TestFiles::writeAll(m_dir, {{u"category.lst"_s, TestFiles::cats({"Dairy"})},
                                    {u"std_item.lst"_s, TestFiles::items({{"Dairy", "Milk"}})},
                                    {u"std_item.new"_s, TestFiles::items({{"Fish", "Cod"}})}});
        for (const bool enter : {false, true}) {
            StandardDialogs dialogs;
            SplashForm splash;
            QWidget mainWindow;
            splash.show();
            splash.showWhenUnloaded(mainWindow);
            dialogs.waitWhileShown(&splash);
            QTimer::singleShot(300, &splash, [&] {
                QVERIFY(!mainWindow.isVisible());
                enter ? QTest::keyClick(&splash, Qt::Key_Return)
                      : QTest::mouseClick(splash.findChild<QPushButton*>(u"Command1"_s),
                                          Qt::LeftButton);
            });
            QString asked;
            bool overSplash = false;
            QTimer answer;
            QObject::connect(&answer, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    overSplash = splash.isVisible();
                    box->button(QMessageBox::No)->click();
                }
            });
            answer.start(20);
            RecordingPrintTarget printer;
            ScriptedShell shell;
            const MainScreen window(m_dir, dialogs, printer, shell);
            QVERIFY(!overSplash && mainWindow.isVisible());
            QVERIFY(asked.startsWith(u"It looks like you are installing a new version"_s));
        }
        TestFiles::verifyAll(m_dir, {{u"std_item.lst"_s, TestFiles::items({{"Dairy", "Milk"}})}});
    }

    // The desktop's own library names the program set up for a web page or an e-mail, and starts
    // it as its desktop entry says; without one it names none. Each case runs in a process of its
    // own, since the library reads the desktop's entries once a process.
    void desktopPrograms_data() {
        QTest::addColumn<QString>("asked"); // what is looked for, then the page started with it
        QTest::addColumn<bool>("setUp");
        QTest::newRow("a web page") << u"file|junk.HTM|https://www.brindlecove.example/"_s << true;
        QTest::newRow("an e-mail")
            << u"url|mailto|mailto:?subject=Today's%20List&body=a%26b"_s << true;
        QTest::newRow("no e-mail program") << u"url|mailto|mailto:"_s << false;
    }
    void desktopPrograms() {
        QFETCH(QString, asked);
        QFETCH(bool, setUp);
        const QString recorder = m_dir.filePath(u"record"_s);
        if (setUp)
            TestFiles::writeAll(
                m_dir,
                {{u"data/applications/recorder.desktop"_s,
                  "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" +
                      QFile::encodeName(recorder) + " %u\n"},
                 {u"config/mimeapps.list"_s, "[Default Applications]\ntext/html=recorder.desktop\n"
                                             "x-scheme-handler/mailto=recorder.desktop\n"},
                 {u"record"_s,
                  "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.tmp\"\nmv \"$0.tmp\" \"$0.args\"\n"}});
        QFile::setPermissions(recorder, QFile::ReadOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The system's own entries only where a program is set up, for its file types.
        environment.insert(u"XDG_DATA_DIRS"_s,
                           m_dir.filePath(u"data"_s) + (setUp ? u":/usr/share"_s : QString()));
        environment.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"data"_s));
        environment.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"config"_s));
        environment.insert(u"VITTLO_DESKTOP_CHILD"_s, asked);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.readAllStandardOutput(), setUp ? "recorder.desktop started" : "none");
        if (setUp) {
            QTRY_VERIFY(QFile::exists(recorder + u".args"_s));
            QCOMPARE(TestFiles::read(m_dir, u"record.args"_s), asked.section(u'|', 2).toUtf8());
        }
    }

    // A lock names the copy that holds the folder: a living one here is refused; one on another
    // computer is asked about; one that names nobody is taken over.
    void oneCopyAFolder_data() {
        QTest::addColumn<QByteArray>("lock"); // "<filling>": a copy here fills it a moment later
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("taken");
        const QString elsewhere =
            u"Vittlo! YesNo Question default-No|Vittlo! was started in this folder on "
            "far-away (process *). If it is no longer running there, "
            "start anyway? => "_s;
        // A process of that number runs here too: only the computer tells the two apart.
        const QByteArray farAway = QByteArray::number(QCoreApplication::applicationPid()) +
                                   "\nvittlo\nfar-away\nsome-other-machine\nsome-boot\n";
        QTest::newRow("another computer's, No") << farAway << elsewhere + u"No"_s << false;
        QTest::newRow("another computer's, Yes") << farAway << elsewhere + u"Yes"_s << true;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        QTest::newRow("not a lock") << QByteArray("no copy\n") << QString() << true;
        // A copy starting at the same moment has made its lock and fills it a little later.
        QTest::newRow("empty while its copy fills it")
            << QByteArray("<filling>")
            << u"Vittlo! OK Exclamation|Vittlo! is already running in this folder. => OK"_s
            << false;
        QTest::newRow("a pipe")
            << QByteArray("<fifo>")
            << u"File Error OK Stop|vittlo.lck\n\nIt is not an ordinary file* => OK"_s << false;
    }
    void oneCopyAFolder() {
        QFETCH(QByteArray, lock);
        QFETCH(QString, boxes);
        QFETCH(bool, taken);
        std::jthread filler; // joined however the test ends
        if (lock == "<fifo>")
            TestFiles::writeAll(m_dir, {{u"vittlo.lck"_s, lock}});
        else
            TestFiles::write(m_dir, u"vittlo.lck"_s, lock == "<filling>" ? "" : lock);
        // However old a lock is, its age alone never tells that its copy has ended.
        if (QFile made(m_dir.filePath(u"vittlo.lck"_s)); lock != "<fifo>")
            QVERIFY(made.open(QIODevice::Append) &&
                    made.setFileTime(QDateTime::currentDateTime().addYears(-1),
                                     QFile::FileModificationTime));
        if (lock == "<filling>")
            filler = std::jthread([path = m_dir.filePath(u"vittlo.lck"_s)] {
                QThread::msleep(100);
                QFile file(path);
                if (file.open(QIODevice::Append))
                    file.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                               QCoreApplication::applicationName().toUtf8() + '\n' +
                               QSysInfo::machineHostName().toUtf8() + '\n');
            });
        ScriptedDialogs dialogs(boxes);
        FolderLock second(m_dir);
        QCOMPARE(second.take(dialogs), taken);
        // A lock taken over names this copy; one left alone is as it was.
        const QByteArray now = TestFiles::read(m_dir, u"vittlo.lck"_s);
        if (taken)
            QVERIFY(now != lock &&
                    now.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        else if (!lock.startsWith('<'))
            QCOMPARE(now, lock);
    }

    // Where the lists live: the folder given, beside a portable program, or in the user's data
    // folder for an installed one (PREFIX/bin beside PREFIX/share/vittlo). A row: the program's
    // folder, "--data" and the folder given, "share" where prefix/share/vittlo is, "xdg" where
    // XDG_DATA_HOME names the folder xdg, and after "=>" the data folder.
    void dataFolder_data() {
        QTest::addColumn<QString>("row");
        for (const char* row :
             {"prefix/bin --data shops/corner share => shops/corner",
              "prefix/bin xdg => prefix/bin", "prefix/app share xdg => prefix/app",
              "prefix/bin share xdg => xdg/vittlo", "prefix/bin share => home/.local/share/vittlo"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }
    void dataFolder() {
        QFETCH(QString, row);
        const QStringList words = row.section(u" => "_s, 0, 0).split(u' ');
        QVERIFY(m_dir.mkpath(words[0]));
        if (words.contains(u"share"_s))
            QVERIFY(m_dir.mkpath(u"prefix/share/vittlo"_s));
        setEnvironment("HOME", QFile::encodeName(m_dir.filePath(u"home"_s)));
        setEnvironment("XDG_DATA_HOME", words.contains(u"xdg"_s)
                                            ? QFile::encodeName(m_dir.filePath(u"xdg"_s))
                                            : QByteArray());
        const QDir current = QDir::current();
        QDir::setCurrent(m_dir.path()); // --data may name a folder relative to the current one
        const qsizetype given = words.indexOf(u"--data"_s);
        DataFolder data(given < 0 ? QString() : words[given + 1], m_dir.filePath(words[0]));
        QDir::setCurrent(current.path());
        QCOMPARE(data.dir().path(), m_dir.filePath(row.section(u" => "_s, 1)));
        ScriptedDialogs dialogs;
        QVERIFY(data.open(dialogs));
        QVERIFY(data.dir().exists(u"vittlo.lck"_s));
    }

    // The starter catalogue an installation ships, or a portable copy keeps beside itself,
    // reaches a new data folder once for each version of it, and is merged there: the first
    // time it becomes the user's catalogue, a later version is offered for merging. The
    // installation is only read.
    void starterCatalogueOncePerVersion_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("starter");
        QTest::newRow("installed") << u"prefix/bin"_s << u"prefix/share/vittlo"_s;
        QTest::newRow("portable, --data") << u"app"_s << u"app/starter"_s;
    }
    void starterCatalogueOncePerVersion() {
        QFETCH(QString, program);
        QFETCH(QString, starter);
        QVERIFY(m_dir.mkpath(program));
        const QDir shipped(m_dir.filePath(starter));
        QVERIFY(shipped.mkpath(u"."_s));
        const QByteArray categories = TestFiles::cats({"Dairy"});
        TestFiles::writeAll(shipped, {{u"category.new"_s, categories},
                                      {u"std_item.new"_s, TestFiles::items({{"Dairy", "Milk"}})}});
        const auto start = [&](const QString& boxes) {
            DataFolder data(m_dir.filePath(u"data"_s), m_dir.filePath(program));
            ScriptedDialogs dialogs(boxes);
            QVERIFY(data.open(dialogs));
            const QFileInfoList before = QDir(shipped).entryInfoList(QDir::Files);
            WindowDriver screen(data.dir(), dialogs);
            QCOMPARE(QDir(shipped).entryInfoList(QDir::Files), before);
        };
        const QDir data(m_dir.filePath(u"data"_s));
        start({});
        TestFiles::verifyAll(data, {{u"category.lst"_s, categories},
                                    {u"std_item.lst"_s, TestFiles::items({{"Dairy", "Milk"}})},
                                    {u"std_item.new"_s, "<missing>"}});
        start({}); // the same version again: nothing to merge, no question
        TestFiles::verifyAll(data, {{u"std_item.new"_s, "<missing>"}});
        TestFiles::write(shipped, u"std_item.new"_s, TestFiles::items({{"Dairy", "Eggs"}}));
        start(u"* => Yes"_s);
        TestFiles::verifyAll(
            data, {{u"std_item.lst"_s, TestFiles::items({{"Dairy", "Milk"}, {"Dairy", "Eggs"}})},
                   {u"std_item.new"_s, "<missing>"},
                   {u"category.lst"_s, categories}});
        TestFiles::verifyAll(shipped, {{u"category.new"_s, categories},
                                       {u"std_item.new"_s, TestFiles::items({{"Dairy", "Eggs"}})}});
    }

    // The browser is looked for with a scratch page in a folder of its own that only this user
    // may enter; a link another user left in the shared temporary folder is not written
    // through, and the folder is gone afterwards, whatever happened.
    void webPage_data() {
        QTest::addColumn<QString>("browser"); // what the desktop names; "!" first: it fails
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("calls");
        const QString asked = u"Run default web browser YesNo Exclamation|Please make sure your "
                              "internet connection is active!\r\nContinue? => "_s;
        const QString started = u"find junk.HTM (private)|start /usr/bin/browser "
                                "https://www.brindlecove.example/"_s;
        QTest::newRow("No") << QString() << asked + u"No"_s << QString();
        QTest::newRow("no browser")
            << QString()
            << asked + u"Yes; Browser Not Found OK Exclamation|Could not find your Browser => OK"_s
            << u"find junk.HTM (private)"_s;
        QTest::newRow("started, the path trimmed")
            << u"  /usr/bin/browser   "_s << asked + u"Yes"_s << started;
        QTest::newRow("not started")
            << u"!/usr/bin/browser"_s
            << asked + u"Yes; URL Failed OK Exclamation|Web Page not Opened => OK"_s << started;
    }
    void webPage() {
        QFETCH(QString, browser);
        QFETCH(QString, boxes);
        QFETCH(QString, calls);
        // Another user's link where the scratch page once went, to a file of ours beside it.
        const QDir shared(m_dir.filePath(u"tmp"_s));
        TestFiles::write(shared, u"victim"_s, "mine");
        QVERIFY(QFile::link(shared.filePath(u"victim"_s), shared.filePath(u"junk.HTM"_s)));
        setEnvironment("TMPDIR", QFile::encodeName(shared.path()));
        ScriptedDialogs dialogs(boxes);
        ScriptedShell shell;
        if (!browser.isEmpty())
            shell.browser = QString(browser).remove(u'!');
        shell.starts = !browser.startsWith(u'!');
        QWidget window;
        ShellMenu(dialogs, shell, window).visitWebsite();
        QCOMPARE(shell.calls.join(u'|'), calls);
        QCOMPARE(shared.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({u"junk.HTM"_s, u"victim"_s}));
        QVERIFY(QFileInfo(shared.filePath(u"junk.HTM"_s)).isSymLink());
        QCOMPARE(TestFiles::read(shared, u"victim"_s), "mine");
    }
};

int main(int argc, char* argv[]) {
    // A child of desktopPrograms: "file|NAME|PAGE" or "url|SCHEME|PAGE" looked for and started.
    if (const QStringList asked = qEnvironmentVariable("VITTLO_DESKTOP_CHILD").split(u'|');
        asked.size() == 3) {
        QCoreApplication app(argc, argv);
        SystemShell shell;
        const std::optional<QString> found = asked[0] == u"file"
                                                 ? shell.findOpeningProgram(asked[1])
                                                 : shell.findUrlProgram(asked[1]);
        std::printf("%s", found ? qPrintable(*found + (shell.startProgram(*found, asked[2])
                                                           ? u" started"_s
                                                           : u" not started"_s))
                                : "none");
        return 0;
    }
    QApplication app(argc, argv);
    ShellTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
