#include <QTest>
class EndToEndTest : public QObject {
    Q_OBJECT private Q_SLOTS : void placeholder() {}
};
QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
