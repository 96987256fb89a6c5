#include "CatalogueSearch.h"

#include "Blanks.h"
#include "CategoryRecord.h"
#include "Entry.h"
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

// For each byte, the place of its letter without accent or case in the lists' order (see
// ListOrder), one character at a time. Rank 0 is kept for the end of a text.
const std::array<char, 256>& primaryRanks() {
    static const std::array<char, 256> rank = [] {
        std::array<QString, 256> bases;
        for (int b = 0; b < 256; ++b) {
            const char base = foldedBytes()[b];
            bases[b] = Windows1252::decode(QByteArrayView(&base, 1));
        }
        std::array<int, 256> order;
        for (int b = 0; b < 256; ++b)
            order[b] = b;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return ListOrder::lessThan(bases[a], bases[b]); });
        std::array<char, 256> made;
        int current = 1;
        for (int i = 0; i < 256; ++i) {
            if (i > 0 && ListOrder::lessThan(bases[order[i - 1]], bases[order[i]]))
                ++current;
            made[order[i]] = char(std::min(current, 255));
        }
        return made;
    }();
    return rank;
}

// A record's shown text, "Category° Item", decoded into a buffer of the caller's.
QStringView shownText(QByteArrayView record, std::array<char16_t, 2 * Field + 2>& buffer) {
    static const std::array<char16_t, 256> unicode = [] {
        std::array<char16_t, 256> made;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            made[b] = Windows1252::decode(QByteArrayView(&byte, 1)).at(0).unicode();
        }
        return made;
    }();
    qsizetype at = 0;
    const auto add = [&](QByteArrayView text) {
        for (const char c : text)
            buffer[at++] = unicode[quint8(c)];
    };
    add(Blanks::trimmed(record.first(Field)));
    add(Separator);
    add(Blanks::trimmed(record.sliced(Field, Field)));
    return QStringView(buffer.data(), at);
}

// Puts records that are nearly in the lists' order into it exactly, with about two of its
// comparisons a record: those out of place are taken out in pairs, put in order, and merged
// back. Equal texts keep the order of their records.
std::vector<quint32> inListOrder(std::vector<quint32> nearly, const QByteArray& records) {
    std::array<char16_t, 2 * Field + 2> first;
    std::array<char16_t, 2 * Field + 2> second;
    const auto before = [&](quint32 a, quint32 b) {
        const int order = ListOrder::compare(
            shownText(QByteArrayView(records).sliced(a * Record, Record), first),
            shownText(QByteArrayView(records).sliced(b * Record, Record), second));
        return order != 0 ? order < 0 : a < b;
    };
    std::vector<quint32> apart;
    size_t kept = 0;
    for (const quint32 record : nearly) {
        if (kept == 0 || before(nearly[kept - 1], record)) {
            nearly[kept++] = record;
        } else {
            apart.push_back(nearly[--kept]);
            apart.push_back(record);
        }
    }
    nearly.resize(kept);
    std::sort(apart.begin(), apart.end(), before);
    std::vector<quint32> order(nearly.size() + apart.size());
    std::merge(nearly.cbegin(), nearly.cend(), apart.cbegin(), apart.cend(), order.begin(), before);
    return order;
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
// starting with it, 3 holding it elsewhere.
int matchRank(QByteArrayView name, QByteArrayView text, const std::array<bool, 256>& inWord) {
    if (name.startsWith(text))
        return name.size() == text.size() ? 0 : 1;
    for (qsizetype at = 1; at + text.size() <= name.size(); ++at)
        if (name[at] == text[0] && !inWord[quint8(name[at - 1])] &&
            std::memcmp(name.data() + at, text.data(), text.size()) == 0)
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
    // Room for the whole file at once: growing by steps would hold two copies for a moment.
    QByteArray records;
    records.reserve(QFileInfo(m_dir.filePath(ListFiles::Items)).size());
    RecordFile(m_dir.filePath(ListFiles::Items), ItemRecord::Size)
        .forEachRun([&](QByteArrayView run) {
            for (qsizetype at = 0; at < run.size(); at += Record)
                if (categories.contains(run.sliced(at, Field)))
                    records.append(run.sliced(at, Record));
        });
    const qsizetype count = records.size() / Record;

    const auto name = [&](qsizetype r, int field) {
        return Blanks::trimmed(QByteArrayView(records).sliced(r * Record + field * Field, Field));
    };
    std::vector<quint32> starts(count + 1);
    for (qsizetype r = 0; r < count; ++r)
        starts[r + 1] = quint32(starts[r] + name(r, 0).size() + name(r, 1).size() + 2);
    // The buffer first holds each record's "Category° Item" in the ranks of its letters, to put
    // the records nearly in the lists' order at the cost of comparing bytes; then the names
    // folded, in the same places.
    QByteArray folded(starts[count], Qt::Uninitialized);
    const auto fill = [&](const std::array<char, 256>& byteOf, char separator) {
        char* to = folded.data();
        for (qsizetype r = 0; r < count; ++r)
            for (int field = 0; field < 2; ++field) {
                for (const char c : name(r, field))
                    *to++ = byteOf[quint8(c)];
                *to++ = field == 0 ? separator : '\0';
            }
    };
    const auto& rank = primaryRanks();
    fill(rank, rank[quint8(Separator[0])]);
    std::vector<quint32> nearly(count);
    for (qsizetype r = 0; r < count; ++r)
        nearly[r] = quint32(r);
    const char* const base = folded.constData();
    std::sort(nearly.begin(), nearly.end(), [&](quint32 a, quint32 b) {
        const int order = std::strcmp(base + starts[a], base + starts[b]);
        return order != 0 ? order < 0 : a < b;
    });
    fill(foldedBytes(), '\0');
    m_order = inListOrder(std::move(nearly), records);
    m_records = std::move(records);
    m_folded = std::move(folded);
    m_starts = std::move(starts);
}

std::vector<quint32> CatalogueSearch::find(const QString& text) const {
    const QByteArray query = foldedQuery(text);
    // A NUL ends a name, and no name holds one.
    if (query.isEmpty() || query.contains('\0'))
        return {};
    const char* const all = m_folded.constData();
    const char* const end = all + m_folded.size();
    const std::boyer_moore_horspool_searcher searcher(query.cbegin(), query.cend());
    // Each record's rank (see matchRank), taken while its bytes are at hand; NotFound for the rest.
    constexpr quint8 NotFound = 4;
    std::vector<quint8> ranks(m_order.size(), NotFound);
    const auto& inWord = wordBytes();
    size_t record = 0;
    for (const char* from = all; from < end;) {
        const char* at = std::search(from, end, searcher);
        if (at == end)
            break;
        while (all + m_starts[record + 1] <= at)
            ++record;
        const char* item = all + m_starts[record];
        item += std::strlen(item) + 1;
        from = all + m_starts[record + 1];
        ranks[record] = quint8(matchRank(QByteArrayView(item, from - 1), query, inWord));
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
    return Entry::ofCategory(Windows1252::decode(record.first(Field)), Windows1252::decode(item))
        .text();
}
