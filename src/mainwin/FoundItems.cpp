#include "FoundItems.h"

#include "CatalogueSearch.h"

FoundItems::FoundItems(const CatalogueSearch& search, QObject* parent)
    : QAbstractListModel(parent)
    , m_search(search) {}

void FoundItems::show(std::vector<quint32> found) {
    beginResetModel();
    m_found = std::move(found);
    endResetModel();
}

int FoundItems::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_found.size());
}

QVariant FoundItems::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= m_found.size() || role != Qt::DisplayRole)
        return {};
    return m_search.entry(m_found[size_t(index.row())], CatalogueSearch::ItemName::Trimmed);
}
