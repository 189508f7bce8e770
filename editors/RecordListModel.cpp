#include "RecordListModel.h"

void CRecordListModel::CLines::Reserve(std::size_t nLines) {
    m_lines.reserve(nLines);
    m_text.reserve(nLines * 32);
}

void CRecordListModel::CLines::Add(std::uint16_t nKey, std::uint8_t* pRecord,
                                   std::string_view text) {
    m_lines.push_back({pRecord, static_cast<std::uint32_t>(m_text.size()), nKey,
                       static_cast<std::uint16_t>(text.size())});
    m_text.append(text);
}

int CRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant CRecordListModel::data(const QModelIndex& index, int nRole) const {
    if (nRole != Qt::DisplayRole || !index.isValid() || index.row() >= Count()) {
        return {};
    }
    const std::string_view text = TextAt(index.row());
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view CRecordListModel::TextAt(int nRow) const {
    const CLines::Line& line = LineAt(nRow);
    return std::string_view(m_lines.m_text).substr(line.nTextStart, line.nTextLength);
}

void CRecordListModel::Assign(CLines lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void CRecordListModel::Append(std::uint16_t nKey, std::uint8_t* pRecord, std::string_view text) {
    beginInsertRows({}, Count(), Count());
    m_lines.Add(nKey, pRecord, text);
    endInsertRows();
}

void CRecordListModel::Remove(int nRow) {
    beginRemoveRows({}, nRow, nRow);
    m_lines.m_lines.erase(m_lines.m_lines.begin() + nRow);
    endRemoveRows();
}

void CRecordListModel::Rewrite(
    const std::function<std::string_view(int nRow, const std::uint8_t* pRecord)>& text) {
    CLines lines;
    lines.Reserve(m_lines.m_lines.size());
    for (int nRow = 0; nRow < Count(); ++nRow) {
        const CLines::Line& line = LineAt(nRow);
        lines.Add(line.nKey, line.pRecord, text(nRow, line.pRecord));
    }
    m_lines = std::move(lines);
    if (Count() > 0) {
        emit dataChanged(index(0), index(Count() - 1), {Qt::DisplayRole});
    }
}
