#include "ListBox.h"

#include "FocusFrame.h"
#include "ListOrder.h"
#include "TodaysList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

ListBox::ListBox(const QString& name, CheckBoxes checkBoxes, QWidget* parent)
    : QListWidget(parent)
    , m_checkBoxes(checkBoxes) {
    setObjectName(name);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    FocusFrame::install(this);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_userMove && row >= 0)
            Q_EMIT picked(row);
    });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT entryDoubleClicked(row(item)); });
}

void ListBox::showList(TodaysList& list) {
    m_shown = &list;
    connect(&list, &TodaysList::inserted, this, [this](int index) {
        const QScopedValueRollback guard(m_userMove, false);
        const TodaysList::Row& entry = m_shown->at(index);
        insertItem(index, makeItem(entry.text, entry.checked));
    });
    connect(&list, &TodaysList::removed, this, &ListBox::removeEntry);
    connect(&list, &TodaysList::replaced, this, [this] {
        const QScopedValueRollback guard(m_userMove, false);
        setUpdatesEnabled(false);
        clear();
        for (const TodaysList::Row& entry : m_shown->entries())
            addItem(makeItem(entry.text, entry.checked));
        setUpdatesEnabled(true);
    });
    connect(&list, &TodaysList::checkedChanged, this, [this](int index) {
        item(index)->setCheckState(m_shown->at(index).checked ? Qt::Checked : Qt::Unchecked);
    });
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* changed) {
        if (m_shown)
            m_shown->setChecked(row(changed), changed->checkState() == Qt::Checked);
    });
}

QListWidgetItem* ListBox::makeItem(const QString& text, bool checked) const {
    auto* item = new QListWidgetItem(text);
    if (m_checkBoxes == CheckBoxes::OnEveryEntry) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    return item;
}

void ListBox::showEntries(const QStringList& texts) {
    clearEntries();
    // A stable sort puts equal entries in the order they came.
    QStringList sorted = texts;
    std::stable_sort(sorted.begin(), sorted.end(), ListOrder::lessThan);
    const QScopedValueRollback guard(m_userMove, false);
    setUpdatesEnabled(false);
    for (const QString& text : std::as_const(sorted))
        addItem(makeItem(text));
    setUpdatesEnabled(true);
    // A list filled afresh shows its first entries, not the place the last filling was scrolled
    // to.
    scrollToTop();
}

void ListBox::removeEntry(int index) {
    const QScopedValueRollback guard(m_userMove, false);
    delete takeItem(index);
}

void ListBox::clearEntries() {
    const QScopedValueRollback guard(m_userMove, false);
    clear();
}

QString ListBox::entryText(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

QString ListBox::currentText() const {
    return entryText(currentRow());
}

void ListBox::setCurrentEntry(int index) {
    const QScopedValueRollback guard(m_userMove, false);
    setCurrentRow(index);
    if (QListWidgetItem* entry = item(index))
        scrollToItem(entry);
}

void ListBox::setCurrentText(const QString& text) {
    for (int row = 0; row < count(); ++row) {
        if (entryText(row) == text) {
            setCurrentEntry(row);
            return;
        }
    }
}

void ListBox::clearCurrent() {
    const QScopedValueRollback guard(m_userMove, false);
    setCurrentIndex(QModelIndex());
    clearSelection();
}

void ListBox::focusInEvent(QFocusEvent* event) {
    // Tabbing into the list must not pick its first entry by itself.
    const QScopedValueRollback guard(m_userMove, false);
    const bool hadCurrent = currentRow() >= 0;
    QListWidget::focusInEvent(event);
    if (!hadCurrent && currentRow() >= 0)
        clearCurrent();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // The right button leaves the current entry where it was.
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightClicked();
        return;
    }
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    // A click on the entry that is current already picks it again.
    if (before >= 0 && currentRow() == before &&
        indexAt(event->position().toPoint()).row() == before)
        Q_EMIT picked(before);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // Two quick clicks on a check box are two ticks, not a double-click on the entry.
    if (event->button() == Qt::LeftButton && onCheckBox(event->position().toPoint())) {
        QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                          event->globalPosition(), event->button(), event->buttons(),
                          event->modifiers());
        mousePressEvent(&press);
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

bool ListBox::onCheckBox(const QPoint& position) const {
    if (m_checkBoxes != CheckBoxes::OnEveryEntry)
        return false;
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    return box.contains(position);
}
