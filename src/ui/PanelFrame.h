#pragma once

#include <QGroupBox>
#include <QRectF>
#include <QString>

class QPushButton;

// A frame laid over the window's lists, with a blue caption and controls placed in twips.
class PanelFrame : public QGroupBox {
    Q_OBJECT

public:
    // Places the frame, in twips relative to its parent.
    void placeFrame(const QRectF& twips);

protected:
    PanelFrame(const QString& name, const QString& caption, QWidget* parent);

    QPushButton* addButton(const QString& name, const QString& caption, const QString& toolTip,
                           const QRectF& place);
};
