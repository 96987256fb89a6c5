#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Whole records, looked up by their bytes: an open-addressing table of record numbers over the
// records themselves, so that a million of them cost no allocation each. Each slot keeps part of
// its record's hash beside the number, so that a record is read only to confirm a likely match.
// Records are looked up a run at a time: the slot, then the record it names, is fetched from
// memory a few records ahead of its use.
class RecordSet final {
public:
    // records must outlive the set.
    RecordSet(QByteArrayView records, qsizetype recordSize);

    // Appends to missing the records of the run that the set does not hold, in their order.
    void addMissing(QByteArrayView records, QByteArray& missing) const;

private:
    QByteArrayView record(quint64 slot) const {
        return m_records.sliced(qsizetype(quint32(slot) - 1) * m_recordSize, m_recordSize);
    }
    quint64 hashOf(QByteArrayView record) const;
    // The slot that holds the record, or the empty one where it would go.
    size_t slotOf(QByteArrayView record, quint64 hash) const;
    // Calls visit(record, slot, hash) for every record of the run.
    template <typename Visit> void forEachSlot(QByteArrayView records, Visit visit) const;

    QByteArrayView m_records;
    qsizetype m_recordSize;
    // The hash's upper half, then the record number counted from 1; 0 for an empty slot.
    std::vector<quint64> m_slots;
    size_t m_mask = 0;
};
