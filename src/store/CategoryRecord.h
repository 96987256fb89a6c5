#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One category of "category.lst": the name, cut or filled with blanks to 30 bytes.
class CategoryRecord final {
public:
    static constexpr qsizetype Size = 30;

    CategoryRecord();
    explicit CategoryRecord(const QString& name);
    // bytes must hold exactly Size bytes.
    static CategoryRecord fromBytes(QByteArrayView bytes);

    // The full 30-character name, trailing blanks included.
    QString name() const;
    const QByteArray& bytes() const { return m_bytes; }

    friend bool operator==(const CategoryRecord&, const CategoryRecord&) = default;

private:
    QByteArray m_bytes;
};
