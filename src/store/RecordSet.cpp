#include "RecordSet.h"

#include <functional>
#include <string_view>

namespace {

// How far ahead a slot is fetched, and then the record it names.
constexpr qsizetype Stage = 6;
constexpr qsizetype Kept = 16; // hashes held, more than the two stages

quint32 tagOf(quint64 hash) {
    return quint32(hash >> 32);
}

} // namespace

RecordSet::RecordSet(QByteArrayView records, qsizetype recordSize)
    : m_records(records)
    , m_recordSize(recordSize) {
    size_t capacity = 16;
    while (capacity < size_t(2 * (records.size() / recordSize)))
        capacity *= 2;
    m_slots.assign(capacity, 0);
    m_mask = capacity - 1;
    quint64 n = 0;
    forEachSlot(records, [&](QByteArrayView, size_t slot, quint64 hash) {
        ++n;
        if (m_slots[slot] == 0)
            m_slots[slot] = quint64(tagOf(hash)) << 32 | n;
    });
}

void RecordSet::addMissing(QByteArrayView records, QByteArray& missing) const {
    forEachSlot(records, [&](QByteArrayView record, size_t slot, quint64) {
        if (m_slots[slot] == 0)
            missing.append(record);
    });
}

quint64 RecordSet::hashOf(QByteArrayView record) const {
    return std::hash<std::string_view>{}(std::string_view(record.data(), record.size()));
}

size_t RecordSet::slotOf(QByteArrayView wanted, quint64 hash) const {
    size_t slot = hash & m_mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & m_mask)
        if (m_slots[slot] >> 32 == tagOf(hash) && record(m_slots[slot]) == wanted)
            break;
    return slot;
}

template <typename Visit> void RecordSet::forEachSlot(QByteArrayView records, Visit visit) const {
    const qsizetype count = records.size() / m_recordSize;
    const auto at = [&](qsizetype i) {
        return records.sliced(i * m_recordSize, m_recordSize);
    };
    quint64 hashes[Kept];
    for (qsizetype i = 0; i < count + 2 * Stage; ++i) {
        if (i < count) {
            hashes[i % Kept] = hashOf(at(i));
            __builtin_prefetch(&m_slots[hashes[i % Kept] & m_mask]);
        }
        if (const qsizetype next = i - Stage; next >= 0 && next < count) {
            const quint64 slot = m_slots[hashes[next % Kept] & m_mask];
            if (slot != 0 && slot >> 32 == tagOf(hashes[next % Kept]))
                __builtin_prefetch(record(slot).data());
        }
        if (const qsizetype done = i - 2 * Stage; done >= 0 && done < count)
            visit(at(done), slotOf(at(done), hashes[done % Kept]), hashes[done % Kept]);
    }
}
