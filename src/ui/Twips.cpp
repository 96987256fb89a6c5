#include "Twips.h"

#include <QWidget>
#include <cmath>

int Twips::toPixels(const QWidget* widget, double twips) {
    return int(std::lround(twips * widget->logicalDpiX() / 1440.0));
}

QRect Twips::toPixels(const QWidget* widget, const QRectF& twips) {
    const int left = toPixels(widget, twips.left());
    const int top = toPixels(widget, twips.top());
    return QRect(left, top, toPixels(widget, twips.right()) - left,
                 toPixels(widget, twips.bottom()) - top);
}

double Twips::fromPixels(const QWidget* widget, int pixels) {
    return pixels * 1440.0 / widget->logicalDpiX();
}
