#pragma once

#include <QAbstractListModel>

class TodaysList;

// Today's List as rows for a view: each entry's text with its count ("Dairy° Milk ×2"),
// its tick, and the entry itself. Every
// change of the list reaches the views as what it is: a row put in or taken off, a tick, or the
// whole list anew.
class TodaysListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TodaysListModel)

public:
    // The row's Entry, with its count.
    enum Role { EntryRole = Qt::UserRole };

    explicit TodaysListModel(TodaysList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A tick from a view ticks the entry.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TodaysList& m_list;
};
