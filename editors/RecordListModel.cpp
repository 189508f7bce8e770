#include "RecordListModel.h"

void CRecordListModel::CLines::Reserve(std::size_t nLines) {
    m_entries.reserve(nLines);
    m_text.reserve(nLines * 32);
}

void CRecordListModel::CLines::Add(const CLine& line, std::string_view text) {
    m_entries.push_back(
        {line, static_cast<std::uint32_t>(m_text.size()), static_cast<std::uint16_t>(text.size())});
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
    const CLines::Entry& entry = EntryAt(nRow);
    return std::string_view(m_lines.m_text).substr(entry.nTextStart, entry.nTextLength);
}

int CRecordListModel::RowOf(std::uint16_t nKey) const {
    for (int nRow = 0; nRow < Count(); ++nRow) {
        if (KeyAt(nRow) == nKey) {
            return nRow;
        }
    }
    return -1;
}

void CRecordListModel::Assign(CLines lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void CRecordListModel::Append(const CLine& line, std::string_view text) {
    beginInsertRows({}, Count(), Count());
    m_lines.Add(line, text);
    endInsertRows();
}

void CRecordListModel::Remove(int nRow) {
    beginRemoveRows({}, nRow, nRow);
    m_lines.m_entries.erase(m_lines.m_entries.begin() + nRow);
    endRemoveRows();
}

void CRecordListModel::Rewrite(int nRow, std::string_view text) {
    // The old text stays in the buffer unused until the next fill.
    CLines::Entry& entry = m_lines.m_entries[static_cast<std::size_t>(nRow)];
    entry.nTextStart = static_cast<std::uint32_t>(m_lines.m_text.size());
    entry.nTextLength = static_cast<std::uint16_t>(text.size());
    m_lines.m_text.append(text);
    emit dataChanged(index(nRow), index(nRow), {Qt::DisplayRole});
}
