#include "AisleOrder.h"

#include "Blanks.h"
#include "EntryListFile.h"
#include "ListFiles.h"
#include "ListOrder.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

AisleOrder::AisleOrder(const QDir& dir)
    : m_dir(dir) {}

QStringList AisleOrder::read() const {
    if (!QFileInfo::exists(m_dir.filePath(ListFiles::Aisles)))
        return {};
    QStringList names;
    QSet<QString> seen;
    for (const QString& line : EntryListFile(m_dir, ListFiles::Aisles).read()) {
        const QString name = Blanks::trimmed(line);
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}

void AisleOrder::write(const QStringList& names) const {
    EntryListFile file(m_dir, ListFiles::Aisles);
    if (names.isEmpty())
        file.remove();
    else
        file.write(names);
}

void AisleOrder::rename(const QString& from, const QString& to) const {
    QStringList names = read();
    const qsizetype at = names.indexOf(Blanks::trimmed(from));
    if (at < 0)
        return;
    names[at] = Blanks::trimmed(to);
    names.removeDuplicates();
    write(names);
}

QStringList AisleOrder::arranged(const QStringList& categories, const QStringList& aisles) {
    QStringList ordered;
    QStringList others;
    QSet<QString> known;
    const QSet<QString> placed(aisles.cbegin(), aisles.cend());
    for (const QString& category : categories) {
        const QString name = Blanks::trimmed(category);
        if (!known.contains(name)) {
            known.insert(name);
            if (!placed.contains(name))
                others.append(name);
        }
    }
    for (const QString& aisle : aisles)
        if (known.contains(aisle))
            ordered.append(aisle);
    std::stable_sort(others.begin(), others.end(), ListOrder::lessThan);
    return ordered + others;
}

QStringList AisleOrder::merged(const QStringList& ordered, const QStringList& previous) {
    QStringList names = ordered;
    QString before;
    for (const QString& name : previous) {
        if (ordered.contains(name)) {
            before = name;
            continue;
        }
        // A name the catalogue lacks goes back after the name it followed, or first.
        const qsizetype at = before.isEmpty() ? 0 : names.indexOf(before) + 1;
        names.insert(at, name);
        before = name;
    }
    return names;
}
