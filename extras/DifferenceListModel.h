#pragma once

#include <QAbstractListModel>
#include <array>
#include <string>
#include <vector>

#include "SetDiff.h"

class CVentryDoc;

// Differences of two sets as list lines, exactly as `ventry-db diff` prints them, formatted only
// when a view asks: two large sets can differ in a great many fields.
class CDifferenceListModel final : public QAbstractListModel {
public:
    explicit CDifferenceListModel(QObject* pParent) : QAbstractListModel(pParent) {}

    // Lines name the files of doc, the set the differences start from.
    void SetRows(const CVentryDoc& doc, std::vector<CSetDifference> rows);
    const std::vector<CSetDifference>& Rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;

private:
    std::array<std::string, kDatabaseCount> m_files;
    std::vector<CSetDifference> m_rows;
};
