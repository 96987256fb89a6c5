#include "PhoneCodes.h"

namespace {

// The text in pieces that are never split: each entry (a line that starts with a blank) with the
// lines before it; lines after the last entry join it.
QStringList unsplittablePieces(const QString& text) {
    QStringList pieces;
    QString pending;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end + 1;
        const QStringView line = QStringView(text).sliced(start, end - start);
        pending += line;
        if (line.startsWith(u' '))
            pieces.append(std::exchange(pending, QString()));
        start = end;
    }
    if (!pending.isEmpty()) {
        if (pieces.isEmpty())
            pieces.append(pending);
        else
            pieces.last() += pending;
    }
    return pieces;
}

} // namespace

PhoneCodes::PhoneCodes(const QString& text) {
    QString part;
    qsizetype partBytes = 0;
    for (const QString& piece : unsplittablePieces(text)) {
        const qsizetype bytes = piece.toUtf8().size();
        if (!part.isEmpty() && partBytes + bytes > QrCode::EasyBytes) {
            m_parts.append(std::exchange(part, QString()));
            partBytes = 0;
        }
        part += piece;
        partBytes += bytes;
    }
    if (!part.isEmpty() || m_parts.isEmpty())
        m_parts.append(part);
    m_codes.reserve(size_t(m_parts.size()));
    for (const QString& each : std::as_const(m_parts))
        m_codes.push_back(QrCode::encode(each.toUtf8()));
}
