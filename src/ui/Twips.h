#pragma once

#include <QRect>
#include <QRectF>

class QWidget;

// Window positions and sizes are worked out in twips (1/1440 inch) and turned into pixels with
// the screen's logical resolution only when applied.
class Twips final {
public:
    static int toPixels(const QWidget* widget, double twips);
    static QRect toPixels(const QWidget* widget, const QRectF& twips);
    static double fromPixels(const QWidget* widget, int pixels);
};
