#include "Windows1252.h"

#include <QHash>
#include <QStringDecoder>
#include <array>
#include <stdexcept>

namespace {

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;
};

const Tables& tables() {
    static const Tables t = [] {
        Tables result;
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid())
            throw std::runtime_error("The Windows-1252 code page is not available");
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString chars = decoder.decode(all);
        if (chars.size() != 256)
            throw std::runtime_error("The Windows-1252 code page does not map every byte");
        for (int b = 0; b < 256; ++b) {
            result.toUnicode[b] = chars.at(b).unicode();
            result.fromUnicode.insert(chars.at(b).unicode(), char(b));
        }
        return result;
    }();
    return t;
}

} // namespace

QString Windows1252::decode(QByteArrayView bytes) {
    const Tables& t = tables();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes)
        *out++ = QChar(t.toUnicode[static_cast<unsigned char>(b)]);
    return text;
}

QByteArray Windows1252::encode(QStringView text) {
    const Tables& t = tables();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page, one '?'
        const auto found = t.fromUnicode.constFind(c);
        bytes.append(found == t.fromUnicode.cend() ? '?' : found.value());
    }
    return bytes;
}

QByteArray Windows1252::encodeField(QStringView text, qsizetype width) {
    QByteArray bytes = encode(text.left(2 * width)); // no byte needs more than two units
    if (bytes.size() > width)
        bytes.truncate(width);
    else if (bytes.size() < width)
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}
