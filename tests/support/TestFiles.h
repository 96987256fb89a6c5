#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

// Test fixtures are written and checked as raw bytes, never through the program's own store.
namespace TestFiles {
void write(const QDir& dir, const QString& name, const QByteArray& bytes);
QByteArray read(const QDir& dir, const QString& name);
// A 30-byte field: the Latin-1 text cut or filled with blanks.
QByteArray field(const QByteArray& text);
QByteArray categoryRecords(const QList<QByteArray>& names);
QByteArray itemRecords(const QList<QPair<QByteArray, QByteArray>>& items);
} // namespace TestFiles
