#include "AisleOrder.h"

#include "Blanks.h"
#include "EntryListFile.h"
#include "ListFiles.h"
#include "ListOrder.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

AisleOrder::AisleOrder(const QDir& dir)
    : m_dir(dir) {}

QStringList AisleOrder::read() const {
    if (!QFileInfo::exists(m_dir.filePath(ListFiles::Aisles)))
        return {};
    QStringList names;
    QSet<QString> seen;
    for (const QString& line : EntryListFile(m_dir, ListFiles::Aisles).read(LargestFile)) {
        const QString name = Blanks::trimmed(line);
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
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
    // A name the catalogue lacks goes back right after the name it followed, or first; the names
    // that follow each are gathered first, then written out in one pass.
    const QSet<QString> known(ordered.cbegin(), ordered.cend());
    QHash<QString, QStringList> following;
    QString before;
    for (const QString& name : previous) {
        if (!known.contains(name))
            following[before].append(name);
        before = name;
    }
    QStringList names;
    names.reserve(ordered.size() + previous.size());
    // A chain of lacking names, each after the one it followed.
    const auto putFollowing = [&](const QString& name) {
        for (QString last = name; following.contains(last);) {
            const QStringList after = following.take(last);
            names.append(after);
            last = after.constLast();
        }
    };
    putFollowing(QString());
    for (const QString& name : ordered) {
        names.append(name);
        putFollowing(name);
    }
    return names;
}
