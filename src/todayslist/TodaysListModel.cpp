#include "TodaysListModel.h"

#include "Blanks.h"
#include "Entry.h"
#include "TodaysList.h"

#include <QGuiApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

TodaysListModel::TodaysListModel(TodaysList& list, QObject* parent)
    : QAbstractListModel(parent)
    , m_list(list) {
    connect(&list, &TodaysList::aboutToInsert, this,
            [this](int index) { beginInsertRows({}, index, index); });
    connect(&list, &TodaysList::inserted, this, &TodaysListModel::endInsertRows);
    connect(&list, &TodaysList::aboutToRemove, this,
            [this](int index) { beginRemoveRows({}, index, index); });
    connect(&list, &TodaysList::removed, this, &TodaysListModel::endRemoveRows);
    connect(&list, &TodaysList::aboutToReplace, this, &TodaysListModel::beginResetModel);
    connect(&list, &TodaysList::replaced, this, &TodaysListModel::endResetModel);
    connect(&list, &TodaysList::rowChanged, this, [this](int row) {
        Q_EMIT dataChanged(
            index(row), index(row),
            {Qt::DisplayRole, Qt::AccessibleTextRole, Qt::CheckStateRole, EntryRole});
    });
}

int TodaysListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.count();
}

QVariant TodaysListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TodaysList::Row& row = m_list.at(index.row());
    const QString shown = row.count > 1 ? Blanks::withoutTrailing(row.text) + u" \u00d7"_s +
                                              QString::number(row.count)
                                        : row.text;
    switch (role) {
    case Qt::DisplayRole:
        return shown;
    // What the shop does not sell is drawn greyed, and said so.
    case Qt::ForegroundRole:
        return m_list.notSoldAt(index.row())
                   ? QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text)
                   : QVariant();
    case Qt::AccessibleTextRole:
        return m_list.notSoldAt(index.row()) ? shown + u", not at "_s + m_list.shopName() : shown;
    case EntryRole:
        return QVariant::fromValue(Entry(row.text, row.count));
    case Qt::CheckStateRole:
        return row.checked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool TodaysListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    m_list.setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags TodaysListModel::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) |
           (index.isValid() ? Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren : Qt::NoItemFlags);
}
