#include "PhoneCodes.h"

#include <QtConcurrent/QtConcurrentMap>

namespace {

// A piece of the text that is never split: an entry (a line that starts with a blank) with the
// lines before it; lines after the last entry join it. Each knows the aisle its entry is in, and
// whether the piece itself holds that aisle's heading.
struct Piece {
    QString text;
    QString heading;
    bool holdsHeading = false;
};

QList<Piece> unsplittablePieces(const QString& text) {
    QList<Piece> pieces;
    Piece pending;
    QString heading;
    bool title = true;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end + 1;
        const QStringView line = QStringView(text).sliced(start, end - start);
        pending.text += line;
        // The first line is the list's title; a later one that is no entry and not empty is an
        // aisle's heading.
        if (!line.startsWith(u' ') && !line.trimmed().isEmpty() && !std::exchange(title, false)) {
            heading = line.trimmed().toString();
            pending.holdsHeading = true;
        }
        if (line.startsWith(u' ')) {
            pending.heading = heading;
            pieces.append(std::exchange(pending, Piece()));
        }
        start = end;
    }
    if (!pending.text.isEmpty()) {
        if (pieces.isEmpty())
            pieces.append(pending);
        else
            pieces.last().text += pending.text;
    }
    return pieces;
}

// The bytes of "(12/15)" and its line break, for a count of parts.
qsizetype headerBytes(qsizetype count) {
    return count > 1 ? 2 * QString::number(count).size() + 4 : 0;
}

// The pieces in parts of at most the room of a code, each part with room for a header of the
// bytes given; a part that starts inside an aisle begins with the aisle's heading again.
QStringList split(const QList<Piece>& pieces, qsizetype header) {
    QStringList parts;
    QString part;
    qsizetype partBytes = 0;
    bool partPlain = true;
    for (const Piece& piece : pieces) {
        const QByteArray bytes = piece.text.toUtf8();
        const bool plain = QrCode::isPlain(bytes);
        // A part that is not plain ASCII carries the UTF-8 hint, which takes room too.
        const qsizetype room =
            QrCode::EasyBytes - header - (partPlain && plain ? 0 : QrCode::MarkerBytes);
        if (!part.isEmpty() && partBytes + bytes.size() > room) {
            parts.append(std::exchange(part, QString()));
            partBytes = 0;
            partPlain = true;
        }
        if (part.isEmpty() && !parts.isEmpty() && !piece.holdsHeading && !piece.heading.isEmpty()) {
            part = piece.heading + u'\n';
            partBytes = part.toUtf8().size();
            partPlain = QrCode::isPlain(part.toUtf8());
        }
        part += piece.text;
        partBytes += bytes.size();
        partPlain = partPlain && plain;
    }
    if (!part.isEmpty() || parts.isEmpty())
        parts.append(part);
    return parts;
}

} // namespace

PhoneCodes::PhoneCodes(const QString& text) {
    const QList<Piece> pieces = unsplittablePieces(text);
    // Each part of several says which it is, "(2/5)", since a phone shows one at a time; the
    // header's room depends on how many parts there are, found in a pass or two.
    m_parts = split(pieces, 0);
    for (qsizetype header = 0; headerBytes(m_parts.size()) > header;) {
        header = headerBytes(m_parts.size());
        m_parts = split(pieces, header);
    }
    if (m_parts.size() > 1)
        for (qsizetype i = 0; i < m_parts.size(); ++i)
            m_parts[i].prepend(QStringLiteral("(%1/%2)\n").arg(i + 1).arg(m_parts.size()));
    // A long list makes many codes, each one slow to make: they are made side by side.
    m_codes = QtConcurrent::blockingMapped<QList<std::optional<QrCode>>>(
        m_parts, [](const QString& part) { return QrCode::encode(part.toUtf8()); });
}
