#include "ListBox.h"

#include "FocusFrame.h"
#include "ListOrder.h"
#include "TodaysListModel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

ListBox::ListBox(const QString& name, CheckBoxes checkBoxes, QWidget* parent)
    : QListView(parent)
    , m_checkBoxes(checkBoxes) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    FocusFrame::install(this);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT entryDoubleClicked(index.row()); });
    if (checkBoxes == CheckBoxes::None) {
        m_texts = new QStringListModel(this);
        show(m_texts);
    }
}

void ListBox::show(QAbstractItemModel* model) {
    setModel(model);
    // Each model comes with a selection model of its own.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_userMove && current.isValid())
                    Q_EMIT picked(current.row());
            });
}

void ListBox::showList(TodaysList& list) {
    show(new TodaysListModel(list, this));
}

void ListBox::showEntries(const QStringList& texts) {
    // A stable sort puts equal entries in the order they came.
    QStringList sorted = texts;
    std::stable_sort(sorted.begin(), sorted.end(), ListOrder::lessThan);
    const QScopedValueRollback guard(m_userMove, false);
    m_texts->setStringList(sorted);
    // A list filled afresh shows its first entries, not the place the last filling was scrolled
    // to.
    scrollToTop();
}

void ListBox::clearEntries() {
    const QScopedValueRollback guard(m_userMove, false);
    m_texts->setStringList({});
}

int ListBox::count() const {
    return model() ? model()->rowCount() : 0;
}

QString ListBox::entryText(int index) const {
    return model()->index(index, 0).data().toString();
}

int ListBox::currentRow() const {
    return currentIndex().row();
}

QString ListBox::currentText() const {
    return entryText(currentRow());
}

void ListBox::setCurrentEntry(int index) {
    const QScopedValueRollback guard(m_userMove, false);
    const QModelIndex entry = model()->index(index, 0);
    setCurrentIndex(entry);
    if (entry.isValid())
        scrollTo(entry);
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
    QListView::focusInEvent(event);
    if (!hadCurrent && currentRow() >= 0)
        clearCurrent();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    QListView::keyPressEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // The right button leaves the current entry where it was.
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightClicked();
        return;
    }
    const int before = currentRow();
    QListView::mousePressEvent(event);
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
    QListView::mouseDoubleClickEvent(event);
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
