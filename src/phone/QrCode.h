#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// A QR code of a UTF-8 text, as libqrencode makes it: a square of dark and light modules, at
// level M, in the smallest version that holds the text.
class QrCode final {
public:
    // The most bytes a code of version 15 (77 modules a side) holds at level M: a phone reads it
    // from a screen at a glance. The UTF-8 hint takes the room of MarkerBytes of them.
    static constexpr qsizetype EasyBytes = 411;
    static constexpr qsizetype MarkerBytes = 2;
    // The light modules around the code that a reader needs to find it.
    static constexpr int QuietZone = 4;

    // Nothing when no code can hold the text.
    static std::optional<QrCode> encode(const QByteArray& utf8);
    // Whether the text is plain ASCII, which every reader reads alike, so goes without the hint.
    static bool isPlain(QByteArrayView utf8);

    // Modules a side, without the quiet zone.
    int size() const { return m_size; }
    bool isDark(int x, int y) const { return m_modules.at(y * m_size + x) != 0; }
    // The code with its quiet zone, dark on white, each module pixels by pixels.
    QImage image(int pixels) const;

private:
    // The extended channel interpretation that names UTF-8.
    static constexpr unsigned Utf8Eci = 26;

    QrCode(int size, QByteArray modules);

    int m_size;
    QByteArray m_modules;
};
