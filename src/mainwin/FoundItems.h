#pragma once

#include <QAbstractListModel>
#include <vector>

class CatalogueSearch;

// The items a search found, shown as "Category° Item"; their texts are made only for the rows
// on screen, so that a million of them cost no more than their numbers.
class FoundItems final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FoundItems)

public:
    FoundItems(const CatalogueSearch& search, QObject* parent);

    void show(std::vector<quint32> found);
    quint32 at(int row) const { return m_found.at(size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const CatalogueSearch& m_search;
    std::vector<quint32> m_found;
};
