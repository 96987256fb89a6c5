#pragma once

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>
#include <QStringList>

// Test fixtures are written and checked as raw bytes, never through the program's own store.
namespace TestFiles {
// File names and their bytes; "<missing>" stands for no file, "<dir>" for a directory, "<fifo>"
// for a named pipe and "<link TARGET>" for a symbolic link.
using Files = QMap<QString, QByteArray>;

void write(const QDir& dir, const QString& name, const QByteArray& bytes);
QByteArray read(const QDir& dir, const QString& name);
// Writes each file, or makes the directory.
void writeAll(const QDir& dir, const Files& files);
// Fails the test unless every file holds exactly its bytes.
void verifyAll(const QDir& dir, const Files& files);
// Performs a change of files: "rm NAME" (a file or a directory), "mkdir NAME", "touch NAME" (an
// empty file), "grow NAME MB" (zeros to that size, taking no room on disk) or "chmod MODE NAME"
// (octal; "." names the directory). False for any other step.
bool change(const QDir& dir, const QString& step);
// A 30-byte field: the Latin-1 text cut or filled with blanks.
QByteArray field(const QByteArray& text);
QByteArray cats(const QList<QByteArray>& names);
QByteArray items(const QList<QPair<QByteArray, QByteArray>>& items);
// The text with a run of two or more trailing blanks written as "~N", so that padded names can
// be compared at a glance: "Dairy~25".
QString shortBlanks(const QString& text);
// The text of a PDF's pages (pdftotext -layout), each line trimmed, with "#page" before every
// page and at the end.
QStringList pdfText(const QString& pdf);
} // namespace TestFiles

Q_DECLARE_METATYPE(TestFiles::Files)
