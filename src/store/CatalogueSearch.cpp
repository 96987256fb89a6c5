#include "CatalogueSearch.h"

#include "Blanks.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "RecordFile.h"
#include "Windows1252.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

namespace {

constexpr qsizetype Field = ItemRecord::FieldSize;
constexpr qsizetype Record = ItemRecord::Size;
// The shown text's separator and the blank after it.
constexpr char Separator[] = "\xb0 ";

// Each byte's character without its accent and in its case-folded form, as a byte again; a
// character whose folded form the code page lacks stays as it is.
const std::array<char, 256>& foldedBytes() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> folded;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString decomposed = Windows1252::decode(QByteArrayView(&byte, 1))
                                           .normalized(QString::NormalizationForm_D);
            const QChar base = decomposed.at(0).toCaseFolded();
            folded[b] = Windows1252::canEncode(QStringView(&base, 1))
                            ? Windows1252::encode(QStringView(&base, 1)).at(0)
                            : byte;
        }
        return folded;
    }();
    return table;
}

// For each byte, its rank among the case-folded characters of the code page: bytes compared by
// rank compare as the lists compare their texts, without regard to case. Rank 0 is kept for
// the end of a text.
const std::array<quint8, 256>& ranks() {
    static const std::array<quint8, 256> table = [] {
        std::array<char16_t, 256> units;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            units[b] = Windows1252::decode(QByteArrayView(&byte, 1)).at(0).toCaseFolded().unicode();
        }
        std::array<char16_t, 256> sorted = units;
        std::sort(sorted.begin(), sorted.end());
        const auto last = std::unique(sorted.begin(), sorted.end());
        std::array<quint8, 256> rank;
        for (int b = 0; b < 256; ++b)
            rank[b] =
                quint8(1 + (std::lower_bound(sorted.begin(), last, units[b]) - sorted.begin()));
        return rank;
    }();
    return table;
}

// The query as the folded catalogue would hold it; empty when no stored name can hold it.
QByteArray foldedQuery(const QString& text) {
    QByteArray query;
    for (const QChar c : text.normalized(QString::NormalizationForm_C)) {
        if (c.isMark())
            continue;
        QChar base = c;
        if (!Windows1252::canEncode(QStringView(&base, 1)))
            base = QString(c).normalized(QString::NormalizationForm_D).at(0);
        if (!Windows1252::canEncode(QStringView(&base, 1)))
            return {};
        query += foldedBytes()[quint8(Windows1252::encode(QStringView(&base, 1)).at(0))];
    }
    return query;
}

} // namespace

CatalogueSearch::CatalogueSearch(const QDir& dir)
    : m_dir(dir) {}

CatalogueSearch::Stamp CatalogueSearch::stampOf(const QString& name) const {
    const QFileInfo info(m_dir.filePath(name));
    return {info.exists() ? info.size() : -1, info.lastModified()};
}

bool CatalogueSearch::refresh() {
    const Stamp stamps[2] = {stampOf(ListFiles::Categories), stampOf(ListFiles::Items)};
    if (stamps[0] == m_stamps[0] && stamps[1] == m_stamps[1] && stamps[1].size >= 0)
        return false;
    read();
    m_stamps[0] = stamps[0];
    m_stamps[1] = stamps[1];
    return true;
}

void CatalogueSearch::read() {
    QByteArray names;
    RecordFile(m_dir.filePath(ListFiles::Categories), CategoryRecord::Size)
        .forEachRun([&](QByteArrayView records) { names.append(records); });
    QSet<QByteArrayView> categories;
    for (qsizetype at = 0; at < names.size(); at += CategoryRecord::Size)
        categories.insert(QByteArrayView(names).sliced(at, CategoryRecord::Size));
    QByteArray records;
    RecordFile(m_dir.filePath(ListFiles::Items), ItemRecord::Size)
        .forEachRun([&](QByteArrayView run) {
            for (qsizetype at = 0; at < run.size(); at += Record)
                if (categories.contains(run.sliced(at, Field)))
                    records.append(run.sliced(at, Record));
        });
    const qsizetype count = records.size() / Record;

    // Folded, with the blanks around each name out of reach of any text.
    QByteArray folded(records.size(), Qt::Uninitialized);
    // Sort keys: the shown text in ranks, filled up with 0.
    constexpr qsizetype KeySize = 2 * Field + 2;
    QByteArray keys(count * KeySize, '\0');
    const auto& fold = foldedBytes();
    const auto& rank = ranks();
    for (qsizetype r = 0; r < count; ++r) {
        char* key = keys.data() + r * KeySize;
        for (int field = 0; field < 2; ++field) {
            const qsizetype start = r * Record + field * Field;
            const QByteArrayView name = QByteArrayView(records).sliced(start, Field);
            const QByteArrayView trimmed = Blanks::trimmed(name);
            const qsizetype lead = trimmed.data() - name.data();
            for (qsizetype i = 0; i < Field; ++i) {
                const bool inside = i >= lead && i < lead + trimmed.size();
                folded[start + i] = inside ? fold[quint8(name[i])] : '\0';
            }
            for (const char c : trimmed)
                *key++ = char(rank[quint8(c)]);
            if (field == 0)
                for (const char c : QByteArrayView(Separator))
                    *key++ = char(rank[quint8(c)]);
        }
    }
    std::vector<quint32> order(count);
    for (qsizetype r = 0; r < count; ++r)
        order[r] = quint32(r);
    const char* const base = keys.constData();
    std::stable_sort(order.begin(), order.end(), [base](quint32 a, quint32 b) {
        return std::memcmp(base + a * KeySize, base + b * KeySize, KeySize) < 0;
    });
    m_records = std::move(records);
    m_folded = std::move(folded);
    m_order = std::move(order);
}

std::vector<quint32> CatalogueSearch::find(const QString& text) const {
    const QByteArray query = foldedQuery(text);
    if (query.isEmpty())
        return {};
    const char* const all = m_folded.constData();
    const char* const end = all + m_folded.size();
    const std::boyer_moore_horspool_searcher searcher(query.cbegin(), query.cend());
    std::vector<bool> found(m_folded.size() / Record);
    for (const char* from = all; from < end;) {
        const char* at = std::search(from, end, searcher);
        if (at == end)
            break;
        const qsizetype offset = at - all;
        const qsizetype record = offset / Record;
        // Within one name, not across the two.
        const qsizetype fieldEnd = record * Record + (offset % Record < Field ? Field : Record);
        if (offset + query.size() <= fieldEnd) {
            found[record] = true;
            from = all + (record + 1) * Record;
        } else {
            from = at + 1;
        }
    }
    std::vector<quint32> shownOrder;
    for (const quint32 record : m_order)
        if (found[record])
            shownOrder.push_back(record);
    return shownOrder;
}

QString CatalogueSearch::shown(quint32 found) const {
    const QByteArrayView record = QByteArrayView(m_records).sliced(found * Record, Record);
    return Windows1252::decode(Blanks::trimmed(record.first(Field))) + ListFiles::EntrySeparator +
           u' ' + Windows1252::decode(Blanks::trimmed(record.last(Field)));
}

QString CatalogueSearch::entry(quint32 found) const {
    const QByteArrayView record = QByteArrayView(m_records).sliced(found * Record, Record);
    return Windows1252::decode(Blanks::trimmed(record.first(Field))) + ListFiles::EntrySeparator +
           u' ' + Windows1252::decode(record.last(Field));
}
