// "todays.lst" and recipe files holding any bytes: what is read and written back reads back as
// the same entries, trimmed, without empty ones.
#include "Blanks.h"
#include "EntryListFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir work;
    const QDir dir(work.path());
    {
        QFile file(dir.filePath(QStringLiteral("todays.lst")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    const EntryListFile list(dir, QStringLiteral("todays.lst"));
    const QStringList read = list.read();
    list.write(read);
    QStringList expected;
    for (const QString& entry : read)
        if (const QString trimmed = Blanks::trimmed(entry); !trimmed.isEmpty())
            expected.append(trimmed);
    if (list.read() != expected)
        std::abort();
    return 0;
}
