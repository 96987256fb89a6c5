#include "QrCode.h"

#include <algorithm>
#include <memory>
#include <qrencode.h>

std::optional<QrCode> QrCode::encode(const QByteArray& utf8) {
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_M),
                                                                  &QRinput_free);
    // Readers guess the character set of bytes without a hint, and some take UTF-8 for Shift
    // JIS; the hint (ECI 26) is left out of plain ASCII, which every reader reads alike.
    if (!input || (!isPlain(utf8) && QRinput_appendECIheader(input.get(), Utf8Eci) != 0) ||
        QRinput_append(input.get(), QR_MODE_8, int(utf8.size()),
                       reinterpret_cast<const unsigned char*>(utf8.data())) != 0)
        return std::nullopt;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(input.get()),
                                                               &QRcode_free);
    if (!code)
        return std::nullopt;
    QByteArray modules(qsizetype(code->width) * code->width, 0);
    // The lowest bit of each of libqrencode's bytes is the module's colour.
    for (qsizetype i = 0; i < modules.size(); ++i)
        modules[i] = char(code->data[i] & 1);
    return QrCode(code->width, modules);
}

bool QrCode::isPlain(QByteArrayView utf8) {
    // As unsigned bytes: char is unsigned on some processors.
    return std::all_of(utf8.cbegin(), utf8.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QrCode::QrCode(int size, QByteArray modules)
    : m_size(size)
    , m_modules(std::move(modules)) {}

QImage QrCode::image(int pixels) const {
    const int side = m_size + 2 * QuietZone;
    QImage modules(side, side, QImage::Format_Mono);
    modules.setColor(0, qRgb(255, 255, 255));
    modules.setColor(1, qRgb(0, 0, 0));
    modules.fill(0);
    for (int y = 0; y < m_size; ++y)
        for (int x = 0; x < m_size; ++x)
            if (isDark(x, y))
                modules.setPixel(x + QuietZone, y + QuietZone, 1);
    // Whole pixels a module: scaling by a whole factor without smoothing keeps the edges sharp.
    return modules.scaled(side * pixels, side * pixels, Qt::IgnoreAspectRatio,
                          Qt::FastTransformation);
}
