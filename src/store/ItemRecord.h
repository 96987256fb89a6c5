#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One standard item of "std_item.lst": the category's 30-byte name, then the item's, each cut or
// filled with blanks. An item belongs to the category whose stored name equals its Category field
// byte for byte.
class ItemRecord final {
public:
    static constexpr qsizetype FieldSize = 30;
    static constexpr qsizetype Size = 2 * FieldSize;

    ItemRecord();
    ItemRecord(const QString& category, const QString& item);

    QString category() const;
    QString item() const;
    QByteArrayView categoryBytes() const { return QByteArrayView(m_bytes).first(FieldSize); }
    QByteArrayView itemBytes() const { return QByteArrayView(m_bytes).last(FieldSize); }
    const QByteArray& bytes() const { return m_bytes; }

    friend bool operator==(const ItemRecord&, const ItemRecord&) = default;

private:
    QByteArray m_bytes;
};
