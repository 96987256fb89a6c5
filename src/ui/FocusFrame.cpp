#include "FocusFrame.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

void FocusFrame::install(QAbstractScrollArea* list) {
    new FocusFrame(list);
}

FocusFrame::FocusFrame(QAbstractScrollArea* list)
    : QObject(list->viewport())
    , m_list(list) {
    list->viewport()->installEventFilter(this);
    // Told by the application, not by the list, which may be half gone when it loses the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == m_list || now == m_list)
            static_cast<QWidget*>(parent())->update();
    });
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || m_painting || !m_list->hasFocus())
        return QObject::eventFilter(watched, event);
    // The list paints itself first; the frame goes over its edge.
    m_painting = true;
    QCoreApplication::sendEvent(watched, event);
    m_painting = false;
    QPainter painter(m_list->viewport());
    const int width = qMax(2, m_list->fontMetrics().height() / 8);
    painter.setPen(QPen(m_list->palette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(m_list->viewport()->rect())
                         .adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    return true;
}
