#include "RecordSet.h"

#include <functional>
#include <string_view>

namespace {

constexpr qsizetype Ahead = 8;

} // namespace

RecordSet::RecordSet(QByteArrayView records, qsizetype recordSize)
    : m_records(records)
    , m_recordSize(recordSize) {
    size_t capacity = 16;
    while (capacity < size_t(2 * (records.size() / recordSize)))
        capacity *= 2;
    m_slots.assign(capacity, -1);
    m_mask = capacity - 1;
    qint32 n = 0;
    forEachSlot(records, [&](QByteArrayView, size_t slot) {
        if (m_slots[slot] < 0)
            m_slots[slot] = n;
        ++n;
    });
}

QByteArray RecordSet::missingFrom(QByteArrayView records) const {
    QByteArray missing;
    forEachSlot(records, [&](QByteArrayView record, size_t slot) {
        if (m_slots[slot] < 0)
            missing.append(record);
    });
    return missing;
}

size_t RecordSet::hashOf(QByteArrayView record) const {
    return std::hash<std::string_view>{}(std::string_view(record.data(), record.size())) & m_mask;
}

size_t RecordSet::slotOf(QByteArrayView wanted, size_t slot) const {
    while (m_slots[slot] >= 0 && record(m_slots[slot]) != wanted)
        slot = (slot + 1) & m_mask;
    return slot;
}

template <typename Visit> void RecordSet::forEachSlot(QByteArrayView records, Visit visit) const {
    const qsizetype count = records.size() / m_recordSize;
    size_t hashes[Ahead];
    for (qsizetype i = 0; i < count + Ahead; ++i) {
        if (i < count) {
            hashes[i % Ahead] = hashOf(records.sliced(i * m_recordSize, m_recordSize));
            __builtin_prefetch(&m_slots[hashes[i % Ahead]]);
        }
        if (const qsizetype done = i - Ahead + 1; done >= 0 && done < count) {
            const QByteArrayView record = records.sliced(done * m_recordSize, m_recordSize);
            visit(record, slotOf(record, hashes[done % Ahead]));
        }
    }
}
