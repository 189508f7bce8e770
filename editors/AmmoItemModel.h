#pragma once

#include <QAbstractListModel>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

class CVentryDoc;

// The items of the launcher editor's ammunition combos, which all four share: an empty item
// with value 0, then every weapon entity by name with its index as value, in index order.
// The values ascend, so finding the item of a value, which every record load does for each
// combo, is a binary search rather than a walk over tens of thousands of items.
class CAmmoItemModel final : public QAbstractListModel {
public:
    CAmmoItemModel(const CVentryDoc& doc, QObject* pParent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    QModelIndexList match(const QModelIndex& start, int nRole, const QVariant& value, int nHits,
                          Qt::MatchFlags flags) const override;

private:
    std::vector<std::pair<qlonglong, QString>> m_items;
};
