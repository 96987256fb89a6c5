#include "TestFiles.h"

#include <QFile>
#include <QTest>

void TestFiles::write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFiles::read(const QDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

QByteArray TestFiles::field(const QByteArray& text) {
    return text.leftJustified(30, ' ', true);
}

QByteArray TestFiles::categoryRecords(const QList<QByteArray>& names) {
    QByteArray bytes;
    for (const QByteArray& name : names)
        bytes += field(name);
    return bytes;
}

QByteArray TestFiles::itemRecords(const QList<QPair<QByteArray, QByteArray>>& items) {
    QByteArray bytes;
    for (const auto& [category, item] : items)
        bytes += field(category) + field(item);
    return bytes;
}
