#include "CatalogueSearch.h"

#include "Blanks.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "ListFiles.h"
#include "ListOrder.h"
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

// For each byte, its place in the lists' order (see ListOrder), one character at a time: first
// by its letter without accent or case, then with its accent. Keys of these ranks compare as the
// lists compare names. Rank 0 is kept for the end of a text.
struct Ranks {
    std::array<quint8, 256> primary;
    std::array<quint8, 256> secondary;
};

std::array<quint8, 256> ranked(const std::array<QString, 256>& texts) {
    std::array<int, 256> order;
    for (int b = 0; b < 256; ++b)
        order[b] = b;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return ListOrder::lessThan(texts[a], texts[b]); });
    std::array<quint8, 256> rank;
    int current = 1;
    for (int i = 0; i < 256; ++i) {
        if (i > 0 && ListOrder::lessThan(texts[order[i - 1]], texts[order[i]]))
            ++current;
        rank[order[i]] = quint8(current);
    }
    return rank;
}

const Ranks& ranks() {
    static const Ranks table = [] {
        std::array<QString, 256> bases;
        std::array<QString, 256> characters;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const char base = foldedBytes()[b];
            characters[b] = Windows1252::decode(QByteArrayView(&byte, 1));
            bases[b] = Windows1252::decode(QByteArrayView(&base, 1));
        }
        return Ranks{ranked(bases), ranked(characters)};
    }();
    return table;
}

// For each byte, whether it is a letter or a digit, which goes on a word.
const std::array<bool, 256>& wordBytes() {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> inWord;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            inWord[b] = Windows1252::decode(QByteArrayView(&byte, 1)).at(0).isLetterOrNumber();
        }
        return inWord;
    }();
    return table;
}

// Where a folded name found ranks: 0 equal to the text, 1 starting with it, 2 with a word
// starting with it, 3 holding it elsewhere. NULs stand for the blanks around the name.
int matchRank(QByteArrayView field, QByteArrayView text, const std::array<bool, 256>& inWord) {
    const char* name = field.data();
    qsizetype size = field.size();
    while (size > 0 && *name == '\0') {
        ++name;
        --size;
    }
    while (size > 0 && name[size - 1] == '\0')
        --size;
    const qsizetype length = text.size();
    if (size >= length && std::memcmp(name, text.data(), length) == 0)
        return size == length ? 0 : 1;
    for (qsizetype at = 1; at + length <= size; ++at)
        if (name[at] == text[0] && !inWord[quint8(name[at - 1])] &&
            std::memcmp(name + at, text.data(), length) == 0)
            return 2;
    return 3;
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
    // Sort keys: the shown text in primary ranks, then in secondary ones, each filled up with 0.
    constexpr qsizetype TextSize = 2 * Field + 2;
    constexpr qsizetype KeySize = 2 * TextSize;
    QByteArray keys(count * KeySize, '\0');
    const auto& fold = foldedBytes();
    const Ranks& rank = ranks();
    for (qsizetype r = 0; r < count; ++r) {
        char* key = keys.data() + r * KeySize;
        qsizetype at = 0;
        const auto addRanks = [&](QByteArrayView text) {
            for (const char c : text) {
                key[at] = char(rank.primary[quint8(c)]);
                key[TextSize + at++] = char(rank.secondary[quint8(c)]);
            }
        };
        for (int field = 0; field < 2; ++field) {
            const qsizetype start = r * Record + field * Field;
            const QByteArrayView name = QByteArrayView(records).sliced(start, Field);
            const QByteArrayView trimmed = Blanks::trimmed(name);
            const qsizetype lead = trimmed.data() - name.data();
            for (qsizetype i = 0; i < Field; ++i) {
                const bool inside = i >= lead && i < lead + trimmed.size();
                folded[start + i] = inside ? fold[quint8(name[i])] : '\0';
            }
            addRanks(trimmed);
            if (field == 0)
                addRanks(Separator);
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
    // Each record's rank (see matchRank), taken while its bytes are at hand; NotFound for the rest.
    constexpr quint8 NotFound = 4;
    std::vector<quint8> ranks(m_folded.size() / Record, NotFound);
    const auto& inWord = wordBytes();
    for (const char* from = all; from < end;) {
        const char* at = std::search(from, end, searcher);
        if (at == end)
            break;
        const qsizetype offset = at - all;
        const qsizetype record = offset / Record;
        // Within one name, not across the two.
        const qsizetype fieldEnd = record * Record + (offset % Record < Field ? Field : Record);
        if (offset + query.size() <= fieldEnd) {
            ranks[record] = quint8(
                matchRank(QByteArrayView(all + record * Record + Field, Field), query, inWord));
            from = all + (record + 1) * Record;
        } else {
            from = at + 1;
        }
    }
    // The best matches of the item's name first, each rank in the lists' order.
    std::vector<quint32> ranked[NotFound];
    for (const quint32 record : m_order)
        if (ranks[record] != NotFound)
            ranked[ranks[record]].push_back(record);
    std::vector<quint32> shownOrder = std::move(ranked[0]);
    for (int rank = 1; rank < NotFound; ++rank)
        shownOrder.insert(shownOrder.end(), ranked[rank].cbegin(), ranked[rank].cend());
    return shownOrder;
}

QString CatalogueSearch::entry(quint32 found, ItemName name) const {
    // A number from an earlier read may lie past this one's end.
    if (qsizetype(found) >= m_records.size() / Record)
        return {};
    const QByteArrayView record = QByteArrayView(m_records).sliced(found * Record, Record);
    const QByteArrayView item =
        name == ItemName::Trimmed ? Blanks::trimmed(record.last(Field)) : record.last(Field);
    return Windows1252::decode(Blanks::trimmed(record.first(Field))) + ListFiles::EntrySeparator +
           u' ' + Windows1252::decode(item);
}
