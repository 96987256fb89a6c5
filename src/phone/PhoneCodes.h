#pragma once

#include "QrCode.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A list's text as QR codes a phone reads at a glance: split at line breaks into parts of at most
// QrCode::EasyBytes of UTF-8 each (less the hint's room where a part is not plain ASCII), never
// within an entry. An entry's part also holds the heading and empty lines before it; a part is
// longer only when its one entry is. Each part makes sense alone: of several, each begins with
// "(2/5)" and a line break, and one that starts inside an aisle repeats the aisle's heading.
class PhoneCodes final {
public:
    explicit PhoneCodes(const QString& text);

    int count() const { return int(m_parts.size()); }
    const QString& text(int part) const { return m_parts.at(part); }
    // Nothing when no QR code can hold the part.
    const std::optional<QrCode>& code(int part) const { return m_codes.at(part); }

private:
    QStringList m_parts;
    QList<std::optional<QrCode>> m_codes;
};
