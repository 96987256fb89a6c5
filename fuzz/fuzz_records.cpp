// The catalogue's record files holding any bytes, of any length: read, purged and merged.
#include "Catalogue.h"
#include "OrphanPurge.h"
#include "UpgradeMerge.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void write(const QDir& dir, const char* name, QByteArrayView bytes) {
    QFile file(dir.filePath(QLatin1String(name)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir work;
    const QDir dir(work.path());
    const QByteArrayView bytes(data, qsizetype(size));
    // The first part is the category file, the rest the item file and the shipped items.
    const qsizetype split = size > 0 ? data[0] % (bytes.size() + 1) : 0;
    write(dir, "category.lst", bytes.first(split));
    write(dir, "std_item.lst", bytes.sliced(split));
    write(dir, "std_item.new", bytes.sliced(split / 2));
    write(dir, "category.new", bytes.first(split / 2));
    const Catalogue catalogue(dir);
    const QStringList categories = catalogue.categories();
    if (categories.size() != split / 30)
        std::abort();
    for (const QString& category : categories)
        catalogue.itemsOf(category);
    const UpgradeMerge upgrade(dir);
    if (upgrade.prepare())
        upgrade.merge();
    OrphanPurge::purge(dir);
    if (QFile(dir.filePath(QStringLiteral("std_item.lst"))).size() % 60 != 0)
        std::abort();
    return 0;
}
