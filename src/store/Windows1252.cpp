#include "Windows1252.h"

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five unused bytes stand for the
// C1 controls of the same value, so that every byte reads back unchanged.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for c, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString Windows1252::decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray Windows1252::encode(QStringView text) {
    QByteArray bytes;
    append(bytes, text);
    return bytes;
}

void Windows1252::append(QByteArray& bytes, QStringView text) {
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page, one '?'
        const int byte = byteOf(c);
        *out++ = byte < 0 ? '?' : char(byte);
    }
    bytes.truncate(out - bytes.constData());
}

bool Windows1252::canEncode(QStringView text) {
    for (const QChar c : text)
        if (byteOf(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray Windows1252::encodeField(QStringView text, qsizetype width) {
    QByteArray bytes = encode(text.left(2 * width)); // no byte needs more than two units
    if (bytes.size() > width)
        bytes.truncate(width);
    else if (bytes.size() < width)
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}
