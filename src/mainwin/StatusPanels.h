#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class QLabel;
class QStatusBar;
class QTimer;
class QToolButton;

// The status bar's panels: the picked category's item count, Today's List's count, the date,
// which follows the calendar, also across midnight, and while the list is shared, "Shared".
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
    // "Shared" at the right while the list is shared at the address; an empty address hides it.
    void showShared(const QString& address);

Q_SIGNALS:
    void sharedClicked();

private:
    void showDate();

    QLabel* m_category;
    QLabel* m_todaysList;
    QLabel* m_date;
    QToolButton* m_shared;
    QTimer* m_dateTimer;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTime;
};
