#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class QLabel;
class QStatusBar;
class QTimer;

// The status bar's three panels: the picked category's item count, Today's List's count, and the
// date, which follows the calendar, also across midnight.
class StatusPanels final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusPanels)

public:
    explicit StatusPanels(QStatusBar* bar);

    // What the date panel takes the time to be.
    void setClock(const std::function<QDateTime()>& clock);
    // " 3 Items: Dairy", or "3 Items: Dairy" as the item list counts after a deletion.
    void showCategory(const QString& text);
    void showNoCategoryPicked();
    void showTodaysListCount(int count);

private:
    void showDate();

    QLabel* m_category;
    QLabel* m_todaysList;
    QLabel* m_date;
    QTimer* m_dateTimer;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTime;
};
