#include "TodaysList.h"

#include "Blanks.h"
#include "Entry.h"
#include "EntryListFile.h"
#include "FileError.h"
#include "ListFiles.h"
#include "ListOrder.h"

#include <QTimer>
#include <algorithm>

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
    std::stable_sort(lines.begin(), lines.end(),
                     [this](const QString& a, const QString& b) { return before(a, b); });
    Q_EMIT aboutToReplace();
    m_entries.reserve(lines.size());
    for (const QString& line : std::as_const(lines))
        m_entries.append({line, false});
    Q_EMIT replaced();
    Q_EMIT countChanged(count());
}

QStringList TodaysList::texts() const {
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const Row& entry : m_entries)
        texts.append(entry.text);
    return texts;
}

int TodaysList::aisleOf(const QString& text) const {
    const Entry entry(text);
    if (!entry.hasCategory())
        return int(m_aisles.size()) + 1;
    const auto aisle = m_aisles.constFind(entry.category());
    if (aisle != m_aisles.cend())
        return *aisle;
    // Categories without a place come after the placed ones; one-time entries come last, with
    // entries of no category.
    return int(m_aisles.size()) + (entry.isOneTime() ? 1 : 0);
}

bool TodaysList::before(const QString& a, const QString& b) const {
    if (!m_aisles.isEmpty()) {
        const int aisleA = aisleOf(a);
        const int aisleB = aisleOf(b);
        if (aisleA != aisleB)
            return aisleA < aisleB;
    }
    return ListOrder::lessThan(a, b);
}

bool TodaysList::setShopOrder(const QStringList& aisles) {
    QHash<QString, int> places;
    for (const QString& aisle : aisles)
        places.insert(aisle, int(places.size()));
    if (places == m_aisles)
        return false;
    m_aisles = places;
    // Every entry goes to its place in the new order; nothing of the list changes, so nothing
    // is written.
    Q_EMIT aboutToReplace();
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [this](const Row& a, const Row& b) { return before(a.text, b.text); });
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

int TodaysList::add(const QString& text) {
    const int index = sortedPlace(text);
    insert(index, {text, false});
    return index;
}

void TodaysList::insert(int index, const Row& entry) {
    index = std::clamp(index, 0, count());
    Q_EMIT aboutToInsert(index);
    m_entries.insert(index, entry);
    Q_EMIT inserted(index);
    changed();
}

TodaysList::Row TodaysList::takeAt(int index) {
    Q_EMIT aboutToRemove(index);
    const Row entry = m_entries.takeAt(index);
    Q_EMIT removed(index, entry);
    changed();
    return entry;
}

void TodaysList::replaceAll(const QList<Row>& entries) {
    Q_EMIT aboutToReplace();
    m_entries = entries;
    Q_EMIT replaced();
    changed();
}

void TodaysList::setChecked(int index, bool checked) {
    if (m_entries.at(index).checked == checked)
        return;
    m_entries[index].checked = checked;
    Q_EMIT checkedChanged(index);
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
    Q_EMIT countChanged(count());
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
