#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

void TestFiles::write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    dir.mkpath(QFileInfo(name).path());
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFiles::read(const QDir& dir, const QString& name) {
    const QFileInfo info(dir.filePath(name));
    if (info.isSymLink())
        return "<link " +
               QByteArray::fromStdString(
                   std::filesystem::read_symlink(info.filePath().toStdString())) +
               '>';
    if (info.isDir())
        return "<dir>";
    if (info.exists() && !info.isFile())
        return "<fifo>";
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void TestFiles::writeAll(const QDir& dir, const Files& files) {
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        const QByteArray path = QFile::encodeName(dir.filePath(file.key()));
        if (file.value() == "<dir>")
            QVERIFY(dir.mkpath(file.key()));
        else if (file.value() == "<fifo>")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else if (file.value().startsWith("<link "))
            QCOMPARE(::symlink(file.value().sliced(6).chopped(1).constData(), path.constData()), 0);
        else
            write(dir, file.key(), file.value());
    }
}

void TestFiles::verifyAll(const QDir& dir, const Files& files) {
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        QCOMPARE(file.key() + u": "_s + QString::fromLatin1(read(dir, file.key())),
                 file.key() + u": "_s + QString::fromLatin1(file.value()));
}

bool TestFiles::change(const QDir& dir, const QString& step) {
    const QStringList words = step.split(u' ');
    const QString verb = words.value(0);
    const QString path = dir.filePath(words.value(verb == u"chmod" ? 2 : 1));
    if (verb == u"rm" && QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else if (verb == u"rm")
        QFile::remove(path);
    else if (verb == u"mkdir")
        dir.mkpath(path);
    else if (verb == u"touch")
        QFile(path).open(QIODevice::WriteOnly);
    else if (verb == u"chmod")
        ::chmod(QFile::encodeName(path).constData(), words.value(1).toUInt(nullptr, 8));
    else if (QFile file(path); verb == u"grow" && file.open(QIODevice::ReadWrite))
        file.resize(qint64(words.value(2).toInt()) << 20);
    else
        return false;
    return true;
}

QByteArray TestFiles::field(const QByteArray& text) {
    return text.leftJustified(30, ' ', true);
}

QByteArray TestFiles::cats(const QList<QByteArray>& names) {
    QByteArray bytes;
    for (const QByteArray& name : names)
        bytes += field(name);
    return bytes;
}

QByteArray TestFiles::items(const QList<QPair<QByteArray, QByteArray>>& items) {
    QByteArray bytes;
    for (const auto& [category, item] : items)
        bytes += field(category) + field(item);
    return bytes;
}

QString TestFiles::shortBlanks(const QString& text) {
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(text.size() - 1 - blanks) == u' ')
        ++blanks;
    return blanks < 2 ? text : text.chopped(blanks) + u'~' + QString::number(blanks);
}

QStringList TestFiles::pdfText(const QString& pdf) {
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    process.waitForFinished(30000);
    QString text = u'\f' + QString::fromUtf8(process.readAllStandardOutput());
    QStringList lines;
    for (const QString& line : text.replace(u'\f', u"\n#page\n"_s).split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}
