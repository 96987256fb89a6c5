#include "PhoneCodes.h"

#include <QtConcurrent/QtConcurrentMap>

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
    bool partPlain = true;
    for (const QString& piece : unsplittablePieces(text)) {
        const QByteArray bytes = piece.toUtf8();
        const bool plain = QrCode::isPlain(bytes);
        // A part that is not plain ASCII carries the UTF-8 hint, which takes room too.
        const qsizetype room = QrCode::EasyBytes - (partPlain && plain ? 0 : QrCode::MarkerBytes);
        if (!part.isEmpty() && partBytes + bytes.size() > room) {
            m_parts.append(std::exchange(part, QString()));
            partBytes = 0;
            partPlain = true;
        }
        part += piece;
        partBytes += bytes.size();
        partPlain = partPlain && plain;
    }
    if (!part.isEmpty() || m_parts.isEmpty())
        m_parts.append(part);
    // A long list makes many codes, each one slow to make: they are made side by side.
    m_codes = QtConcurrent::blockingMapped<QList<std::optional<QrCode>>>(
        m_parts, [](const QString& part) { return QrCode::encode(part.toUtf8()); });
}
