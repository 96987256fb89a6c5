#include "CategoryRecord.h"

#include "Windows1252.h"

CategoryRecord::CategoryRecord()
    : m_bytes(Size, ' ') {}

CategoryRecord::CategoryRecord(const QString& name)
    : m_bytes(Windows1252::encodeField(name, Size)) {}

CategoryRecord CategoryRecord::fromBytes(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == Size);
    CategoryRecord record;
    record.m_bytes = bytes.toByteArray();
    return record;
}

QString CategoryRecord::name() const {
    return Windows1252::decode(m_bytes);
}
