#include "ItemRecord.h"

#include "Windows1252.h"

ItemRecord::ItemRecord()
    : m_bytes(Size, ' ') {}

ItemRecord::ItemRecord(const QString& category, const QString& item)
    : m_bytes(Windows1252::encodeField(category, FieldSize) +
              Windows1252::encodeField(item, FieldSize)) {}

QString ItemRecord::category() const {
    return Windows1252::decode(categoryBytes());
}

QString ItemRecord::item() const {
    return Windows1252::decode(itemBytes());
}
