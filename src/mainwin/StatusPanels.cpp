#include "StatusPanels.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString NoCategoryPicked = u"Pick a Category!"_s;

QLabel* statusPanel(const QString& name, const QString& text) {
    auto* panel = new QLabel(text);
    panel->setObjectName(name);
    panel->setToolTip(text);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}

} // namespace

StatusPanels::StatusPanels(QStatusBar* bar)
    : QObject(bar)
    , m_category(statusPanel(u"sb_cat"_s, NoCategoryPicked))
    , m_todaysList(statusPanel(u"sb_today"_s, u"Today's List"_s))
    , m_date(statusPanel(u"sb_date"_s, QString()))
    , m_shared(new QToolButton)
    , m_dateTimer(new QTimer(this)) {
    m_date->setToolTip(QString());
    m_date->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_category, 3);
    bar->addWidget(m_todaysList, 2);
    bar->addPermanentWidget(m_date);
    m_shared->setObjectName(u"sb_shared"_s);
    m_shared->setText(u"Shared"_s);
    m_shared->setAccessibleName(u"Shared"_s);
    m_shared->setAutoRaise(true);
    bar->addPermanentWidget(m_shared);
    m_shared->hide();
    connect(m_shared, &QToolButton::clicked, this, &StatusPanels::sharedClicked);
    m_dateTimer->setSingleShot(true);
    connect(m_dateTimer, &QTimer::timeout, this, &StatusPanels::showDate);
    showDate();
}

void StatusPanels::setClock(const std::function<QDateTime()>& clock) {
    m_clock = clock;
    showDate();
}

void StatusPanels::showCategory(const QString& text) {
    m_category->setText(text);
}

void StatusPanels::showNoCategoryPicked() {
    m_category->setText(NoCategoryPicked);
}

void StatusPanels::showTodaysListCount(int count) {
    m_todaysList->setText(QString::number(count) + u" Items: Today's List       "_s);
}

void StatusPanels::showShared(const QString& address) {
    m_shared->setToolTip(u"Today's List is shared at "_s + address);
    m_shared->setAccessibleDescription(m_shared->toolTip());
    m_shared->setVisible(!address.isEmpty());
}

void StatusPanels::showDate() {
    const QDateTime now = m_clock();
    m_date->setText(u" %1 "_s.arg(QLocale::system().toString(now.date(), QLocale::ShortFormat)));
    m_dateTimer->start(now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000);
}
