#include "MainScreen.h"
#include "StandardDialogs.h"
#include "TempDirTest.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs answer on the next modal dialog once it is up, while the code under test waits in it.
void whenDialogOpens(const std::function<void(QWidget*)>& answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

} // namespace

class EndToEndTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void retypeThroughTheRealInputBox() {
        TestFiles::write(m_dir, u"todays.lst"_s, "Apples\r\nBakery\xb0 Bread\r\nCheese\r\n");
        StandardDialogs dialogs;
        WindowDriver screen(m_dir, dialogs);
        dialogs.setParent(&screen.window());
        screen.click(u"TmpList"_s, 1);

        QString title, label, shownText;
        whenDialogOpens([&](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            label = dialog->labelText();
            shownText = dialog->textValue();
            dialog->setTextValue(u"Bakery\u00b0 Rolls"_s);
            dialog->accept();
        });
        screen.pressKey(u"TmpList"_s, Qt::Key_Return);
        QCOMPARE(title, u"Make changes"_s);
        QCOMPARE(label, u"Modify item..."_s);
        QCOMPARE(shownText, u"Bakery\u00b0 Bread"_s);
        QCOMPARE(screen.entries(u"TmpList"_s),
                 (QStringList{u"Bakery\u00b0 Rolls"_s, u"Apples"_s, u"Cheese"_s}));

        whenDialogOpens([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
        screen.rightClick(u"TmpList"_s, 2);
        QCOMPARE(screen.entries(u"TmpList"_s).first(), u"Bakery\u00b0 Rolls"_s);

        QVERIFY(screen.window().close());
        QCOMPARE(TestFiles::read(m_dir, u"todays.lst"_s),
                 QByteArray("Bakery\xb0 Rolls\r\nApples\r\nCheese\r\n"));
    }

    void messageBoxStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("304 OK") << 304 << int(QMessageBox::Ok) << 1 << int(QMessageBox::Ok);
        QTest::newRow("292 Yes") << 292 << int(QMessageBox::Yes) << 6 << int(QMessageBox::No);
        QTest::newRow("36 No") << 36 << int(QMessageBox::No) << 7 << int(QMessageBox::Yes);
        QTest::newRow("291 Cancel") << 291 << int(QMessageBox::Cancel) << 2 << int(QMessageBox::No);
        QTest::newRow("291 escape") << 291 << -1 << 2 << int(QMessageBox::No);
    }
    void messageBoxStyles() {
        QFETCH(int, style);
        QFETCH(int, press);
        QFETCH(int, answer);
        QFETCH(int, defaultButton);
        StandardDialogs dialogs;
        int shownDefault = 0;
        whenDialogOpens([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            QVERIFY(box);
            shownDefault = box->standardButton(box->defaultButton());
            if (press < 0)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::StandardButton(press))->click();
        });
        QCOMPARE(dialogs.MsgBox(u"Sure?"_s, style, u"Confirm"_s), answer);
        QCOMPARE(shownDefault, defaultButton);
    }
};

VITTLO_REGISTER_TEST(EndToEndTest)
#include "tst_e2e.moc"
