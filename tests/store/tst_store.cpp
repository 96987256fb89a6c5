#include <QTest>
class StoreTest : public QObject {
    Q_OBJECT private Q_SLOTS : void placeholder() {}
};
QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
