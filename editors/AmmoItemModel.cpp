#include "AmmoItemModel.h"

#include <algorithm>

#include "VentryDoc.h"

CAmmoItemModel::CAmmoItemModel(const CVentryDoc& doc, QObject* pParent)
    : QAbstractListModel(pParent) {
    m_items.reserve(doc.m_mapWeaponEntities.size() + 1);
    m_items.emplace_back(0, QString());
    for (const auto& [nIndex, pEntity] : doc.m_mapWeaponEntities) {
        const std::string_view name = RecordField::GetTextView(
            pEntity->m_data.data(), CEntityInfo::kNameOffset, CEntityInfo::kNameWidth);
        m_items.emplace_back(nIndex,
                             QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
}

int CAmmoItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant CAmmoItemModel::data(const QModelIndex& index, int nRole) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto& [nValue, name] = m_items[static_cast<std::size_t>(index.row())];
    switch (nRole) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return name;
        case Qt::UserRole:
            return nValue;
        default:
            return {};
    }
}

QModelIndexList CAmmoItemModel::match(const QModelIndex& start, int nRole, const QVariant& value,
                                      int nHits, Qt::MatchFlags flags) const {
    const bool bFindValue = nRole == Qt::UserRole && start.row() == 0 && nHits == 1 &&
                            (flags & Qt::MatchTypeMask) == Qt::MatchExactly &&
                            !(flags & Qt::MatchWrap) && value.typeId() == QMetaType::LongLong;
    if (!bFindValue) {
        return QAbstractListModel::match(start, nRole, value, nHits, flags);
    }
    const qlonglong nValue = value.toLongLong();
    const auto found =
        std::lower_bound(m_items.begin(), m_items.end(), nValue,
                         [](const auto& item, qlonglong nWanted) { return item.first < nWanted; });
    if (found == m_items.end() || found->first != nValue) {
        return {};
    }
    return {index(static_cast<int>(found - m_items.begin()))};
}
