#include "ShopList.h"

#include "AisleOrder.h"
#include "Blanks.h"
#include "EntryListFile.h"
#include "FileError.h"
#include "ListFiles.h"
#include "Windows1252.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

const QString ShopList::FirstShop = u"My Shop"_s;

ShopList ShopList::read(const QDir& dir) {
    ShopList list;
    if (!QFileInfo::exists(dir.filePath(ListFiles::Shops))) {
        // Once: the order an earlier version kept becomes the first shop, and stays in its file
        // for that version.
        if (!QFileInfo::exists(dir.filePath(ListFiles::Aisles)))
            return list;
        list.shops.append({FirstShop, AisleOrder(dir).read(), {}});
        list.picked = FirstShop;
        list.write(dir);
        return list;
    }
    const QStringList lines = EntryListFile(dir, ListFiles::Shops).read(LargestFile);
    // The whole file is checked before any of it is taken.
    QString picked;
    QSet<QString> names;
    // The shop's aisles so far, so that a name repeated is seen at once.
    QSet<QString> aisles;
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QString line = Blanks::withoutTrailing(lines.at(at));
        if (line.isEmpty())
            continue;
        const QChar kind = line.at(0);
        const QString name = line.mid(2);
        const bool aisle = kind == u'+' || kind == u'-';
        if (line.size() < 3 || line.at(1) != u' ' || (kind != u'>' && kind != u'=' && !aisle) ||
            (aisle && list.shops.isEmpty()) || (kind == u'=' && names.contains(name)) ||
            (kind == u'>' && !picked.isEmpty()))
            throw FileError(ListFiles::Shops,
                            u"Line %1 is no shop, aisle or pick of Vittlo!'s. The file is left "
                            "as it is, and the lists are alphabetical."_s.arg(at + 1));
        if (kind == u'>') {
            picked = name;
        } else if (kind == u'=') {
            names.insert(name);
            aisles.clear();
            list.shops.append({name, {}, {}});
        } else if (!aisles.contains(name)) {
            aisles.insert(name);
            list.shops.last().aisles.append(name);
            if (kind == u'-')
                list.shops.last().notSold.insert(name);
        }
    }
    // A pick of a shop the file does not hold is no pick.
    list.picked = names.contains(picked) ? picked : QString();
    return list;
}

void ShopList::write(const QDir& dir) const {
    QStringList lines;
    if (!picked.isEmpty())
        lines.append(u"> "_s + picked);
    qsizetype size = 0;
    for (const Shop& shop : shops) {
        lines.append(u"= "_s + shop.name);
        for (const QString& aisle : shop.aisles)
            lines.append((shop.notSold.contains(aisle) ? u"- "_s : u"+ "_s) + aisle);
    }
    for (const QString& line : std::as_const(lines))
        size += Windows1252::encode(line).size() + 2;
    if (size > LargestFile)
        throw FileError(ListFiles::Shops,
                        u"The shops and their aisles would take more than 1 MB, too much for the "
                        "file, which is left as it was."_s);
    EntryListFile(dir, ListFiles::Shops).write(lines);
}

const Shop* ShopList::pickedShop() const {
    for (const Shop& shop : shops)
        if (shop.name == picked)
            return &shop;
    return nullptr;
}

Shop* ShopList::find(const QString& name) {
    for (Shop& shop : shops)
        if (shop.name == name)
            return &shop;
    return nullptr;
}

bool ShopList::renameCategory(const QString& from, const QString& to) {
    const QString old = Blanks::trimmed(from);
    const QString renamed = Blanks::trimmed(to);
    bool changed = false;
    for (Shop& shop : shops) {
        const qsizetype at = shop.aisles.indexOf(old);
        if (at < 0 || old == renamed)
            continue;
        shop.aisles.insert(at, renamed);
        shop.aisles.removeDuplicates();
        if (shop.notSold.contains(old))
            shop.notSold.insert(renamed);
        changed = true;
    }
    return changed;
}
