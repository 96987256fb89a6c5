#include "QrCodeView.h"

#include <QPainter>

using namespace Qt::StringLiterals;

QrCodeView::QrCodeView(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void QrCodeView::setCode(const std::optional<QrCode>& code) {
    m_code = code;
    updateGeometry();
    update();
}

QSize QrCodeView::sizeHint() const {
    return minimumSizeHint();
}

QSize QrCodeView::minimumSizeHint() const {
    const int modules = (m_code ? m_code->size() : 77) + 2 * QrCode::QuietZone;
    return {modules * ModulePixels, modules * ModulePixels};
}

void QrCodeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_code) {
        painter.setPen(Qt::black);
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         u"This part is too long for a code. Send the list by e-mail instead."_s);
        return;
    }
    // Counted in device pixels, so that every module and the code's place are whole pixels.
    const qreal ratio = devicePixelRatioF();
    const int width = qRound(this->width() * ratio);
    const int height = qRound(this->height() * ratio);
    const int modules = m_code->size() + 2 * QrCode::QuietZone;
    const int pixels = qMax(1, qMin(width, height) / modules);
    QImage image = m_code->image(pixels);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(
        QPointF((width - image.width()) / 2 / ratio, (height - image.height()) / 2 / ratio), image);
}
