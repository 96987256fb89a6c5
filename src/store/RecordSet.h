#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Whole records, looked up by their bytes: an open-addressing table of record numbers over the
// records themselves, so that a million of them cost no allocation each. Records are looked up a
// run at a time, each slot fetched from memory a few records ahead of its use.
class RecordSet final {
public:
    // records must outlive the set.
    RecordSet(QByteArrayView records, qsizetype recordSize);

    // The records of the run that the set does not hold, in their order.
    QByteArray missingFrom(QByteArrayView records) const;

private:
    QByteArrayView record(qint64 n) const {
        return m_records.sliced(n * m_recordSize, m_recordSize);
    }
    size_t hashOf(QByteArrayView record) const;
    // The slot that holds the record, or the empty one where it would go.
    size_t slotOf(QByteArrayView record, size_t hash) const;
    // Calls visit(record, slot) for every record of the run.
    template <typename Visit> void forEachSlot(QByteArrayView records, Visit visit) const;

    QByteArrayView m_records;
    qsizetype m_recordSize;
    std::vector<qint32> m_slots; // record numbers, -1 for an empty slot
    size_t m_mask = 0;
};
