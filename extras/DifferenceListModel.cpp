#include "DifferenceListModel.h"

#include "RecordLayouts.h"
#include "SetFileNames.h"
#include "VentryDoc.h"
#include "core/File.h"

void CDifferenceListModel::SetRows(const CVentryDoc& doc, std::vector<CSetDifference> rows) {
    beginResetModel();
    for (const RecordLayout* layout : kRecordLayouts) {
        // A set that was never saved has no file names yet.
        const std::string& path = doc.FileName(layout->database);
        m_files[static_cast<std::size_t>(layout->database)] =
            path.empty() ? std::string(layout->name) : CFile::FileNameOf(path);
    }
    m_rows = std::move(rows);
    endResetModel();
}

int CDifferenceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant CDifferenceListModel::data(const QModelIndex& index, int nRole) const {
    if (nRole != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= m_rows.size()) {
        return {};
    }
    const CSetDifference& row = m_rows[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(
        FormatDifference(m_files[static_cast<std::size_t>(row.database)], row));
}
