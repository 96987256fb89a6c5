#include "TodaysList.h"

#include "Blanks.h"
#include "Entry.h"
#include "EntryListFile.h"
#include "FileError.h"
#include "ListFiles.h"
#include "ListOrder.h"
#include "ShopList.h"

#include <QTimer>
#include <algorithm>
#include <vector>

TodaysList::TodaysList(const QDir& dir, QObject* parent)
    : QObject(parent)
    , m_dir(dir)
    , m_saveTimer(new QTimer(this)) {
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(SaveDelay);
    connect(m_saveTimer, &QTimer::timeout, this, &TodaysList::flush);
}

void TodaysList::load() {
    QStringList lines = EntryListFile(m_dir, ListFiles::TodaysList).read();
    m_fileRead = true;
    if (!m_entries.isEmpty()) {
        for (const QString& line : std::as_const(lines))
            add(line);
        return;
    }
    // Into an empty list in one go: a stable sort keeps equal entries in the file's order.
    sortInOrder(lines, [](const QString& line) -> const QString& { return line; });
    Q_EMIT aboutToReplace();
    m_entries.reserve(lines.size());
    QHash<QStringView, qsizetype> rows;
    for (const QString& line : std::as_const(lines)) {
        const QStringView stored = Blanks::trimmedView(line);
        if (!stored.isEmpty()) {
            const auto row = rows.constFind(stored);
            if (row != rows.cend()) {
                ++m_entries[*row].count;
                continue;
            }
            rows.insert(stored, m_entries.size());
        }
        m_entries.append({line});
    }
    Q_EMIT replaced();
    Q_EMIT countChanged(items());
}

bool TodaysList::notSoldAt(int index) const {
    const Entry entry(m_entries.at(index).text);
    return entry.hasCategory() && m_notSold.contains(entry.category());
}

int TodaysList::items() const {
    int items = 0;
    for (const Row& entry : m_entries)
        items += entry.count;
    return items;
}

QStringList TodaysList::texts() const {
    QStringList texts;
    texts.reserve(items());
    for (const Row& entry : m_entries)
        for (int line = 0; line < entry.count; ++line)
            texts.append(entry.text);
    return texts;
}

int TodaysList::find(QStringView text) const {
    const QStringView stored = Blanks::trimmedView(text);
    for (int index = 0; index < count(); ++index)
        if (Blanks::trimmedView(m_entries.at(index).text) == stored)
            return index;
    return -1;
}

int TodaysList::aisleOf(const QString& text) const {
    const Entry entry(text);
    if (!entry.hasCategory())
        return int(m_aisles.size()) + 1;
    // What the shop does not sell comes after everything it does.
    if (m_notSold.contains(entry.category()))
        return int(m_aisles.size()) + 2;
    const auto aisle = m_aisles.constFind(entry.category());
    if (aisle != m_aisles.cend())
        return *aisle;
    // Categories without a place come after the placed ones; one-time entries come last, with
    // entries of no category.
    return int(m_aisles.size()) + (entry.isOneTime() ? 1 : 0);
}

bool TodaysList::before(const QString& a, const QString& b) const {
    if (!m_shopName.isEmpty()) {
        const int aisleA = aisleOf(a);
        const int aisleB = aisleOf(b);
        if (aisleA != aisleB)
            return aisleA < aisleB;
    }
    return ListOrder::lessThan(a, b);
}

template <typename T, typename Text>
void TodaysList::sortInOrder(QList<T>& list, const Text& text) const {
    // Each entry's aisle is found once, not at every comparison; the language's order is asked
    // only within an aisle.
    std::vector<std::pair<int, qsizetype>> places(size_t(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i)
        places[size_t(i)] = {m_shopName.isEmpty() ? 0 : aisleOf(text(list.at(i))), i};
    std::stable_sort(places.begin(), places.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return ListOrder::lessThan(text(list.at(a.second)), text(list.at(b.second)));
    });
    QList<T> sorted;
    sorted.reserve(list.size());
    for (const auto& place : places)
        sorted.append(list.at(place.second));
    list = std::move(sorted);
}

bool TodaysList::setShop(const Shop* shop) {
    QHash<QString, int> places;
    if (shop)
        for (const QString& aisle : shop->aisles)
            places.insert(aisle, int(places.size()));
    const QString name = shop ? shop->name : QString();
    const QSet<QString> notSold = shop ? shop->notSold : QSet<QString>();
    if (places == m_aisles && name == m_shopName && notSold == m_notSold)
        return false;
    m_aisles = places;
    m_shopName = name;
    m_notSold = notSold;
    // Every entry goes to its place in the new order; nothing of the list changes, so nothing
    // is written.
    Q_EMIT aboutToReplace();
    sortInOrder(m_entries, [](const Row& row) -> const QString& { return row.text; });
    Q_EMIT replaced();
    return true;
}

int TodaysList::sortedPlace(const QString& text) const {
    // The first entry that sorts after the text, found by halving as a sorted list box does.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (before(text, m_entries.at(middle).text))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

int TodaysList::add(const QString& text, int count) {
    // Blank entries are no line of the file, and are not counted together.
    const int found = Blanks::trimmedView(text).isEmpty() ? -1 : find(text);
    if (found >= 0) {
        setCount(found, m_entries.at(found).count + count);
        return found;
    }
    const int index = sortedPlace(text);
    insertAt(index, {text, count}, true);
    return index;
}

void TodaysList::insert(int index, const Row& entry) {
    insertAt(std::clamp(index, 0, this->count()), entry, false);
}

void TodaysList::putBack(const Row& entry) {
    insertAt(sortedPlace(entry.text), entry, true);
}

void TodaysList::insertAt(int index, const Row& entry, bool sorted) {
    Q_EMIT aboutToInsert(index);
    m_entries.insert(index, entry);
    Q_EMIT inserted(index, sorted);
    changed();
}

TodaysList::Row TodaysList::takeAt(int index) {
    Q_EMIT aboutToRemove(index);
    const Row entry = m_entries.takeAt(index);
    Q_EMIT removed(index, entry);
    changed();
    return entry;
}

void TodaysList::setCount(int index, int count) {
    if (count < 1) {
        takeAt(index);
        return;
    }
    Row entry = m_entries.at(index);
    // More of it is to be bought.
    if (count > entry.count)
        entry.checked = false;
    entry.count = count;
    restore(index, entry);
}

void TodaysList::restore(int index, const Row& entry) {
    const Row before = m_entries.at(index);
    m_entries[index].count = entry.count;
    m_entries[index].checked = entry.checked;
    Q_EMIT rowChanged(index, before);
    if (entry.count != before.count)
        changed();
}

void TodaysList::replaceAll(const QList<Row>& entries) {
    Q_EMIT aboutToReplace();
    m_entries = entries;
    sortInOrder(m_entries, [](const Row& row) -> const QString& { return row.text; });
    Q_EMIT replaced();
    changed();
}

void TodaysList::setChecked(int index, bool checked) {
    if (m_entries.at(index).checked == checked)
        return;
    const Row before = m_entries.at(index);
    m_entries[index].checked = checked;
    Q_EMIT rowChanged(index, before);
}

void TodaysList::clearAndRemoveFile() {
    // The file goes first: if it cannot, the list stays as it was. A file that could not be read
    // holds what the user has not seen, and stays.
    if (m_fileRead)
        EntryListFile(m_dir, ListFiles::TodaysList).remove();
    m_saveTimer->stop();
    Q_EMIT aboutToReplace();
    m_entries.clear();
    m_unsaved = false;
    m_failing = false;
    Q_EMIT replaced();
    Q_EMIT countChanged(0);
}

void TodaysList::changed() {
    m_unsaved = true;
    m_saveTimer->start();
    Q_EMIT countChanged(items());
}

void TodaysList::save() {
    m_saveTimer->stop();
    if (!m_fileRead)
        return;
    EntryListFile(m_dir, ListFiles::TodaysList).write(texts());
    m_unsaved = false;
    m_failing = false;
    Q_EMIT saved();
}

void TodaysList::flush() {
    try {
        save();
    } catch (const FileError& error) {
        // The next change tries again; the user hears of it once.
        if (!std::exchange(m_failing, true))
            Q_EMIT saveFailed(error.fileName(), error.message());
    }
}

bool TodaysList::savePending() const {
    return m_saveTimer->isActive();
}

void TodaysList::setSaveDelay(int milliseconds) {
    m_saveTimer->setInterval(milliseconds);
}
