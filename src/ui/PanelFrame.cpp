#include "PanelFrame.h"

#include "Twips.h"

#include <QPushButton>

PanelFrame::PanelFrame(const QString& name, const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    setObjectName(name);
    // It covers the lists below it.
    setAutoFillBackground(true);
    QPalette blueCaption = palette();
    blueCaption.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blueCaption);
}

void PanelFrame::placeFrame(const QRectF& twips) {
    setGeometry(Twips::toPixels(parentWidget() ? parentWidget() : this, twips));
}

QPushButton* PanelFrame::addButton(const QString& name, const QString& caption,
                                   const QString& toolTip, const QRectF& place) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setGeometry(Twips::toPixels(this, place));
    return button;
}
