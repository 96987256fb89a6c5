#include <QTest>
class MainScreenTest : public QObject {
    Q_OBJECT private Q_SLOTS : void placeholder() {}
};
QTEST_MAIN(MainScreenTest)
#include "tst_mainscreen.moc"
