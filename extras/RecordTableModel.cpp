#include "RecordTableModel.h"

#include <algorithm>

#include "CellEdit.h"
#include "Csv.h"
#include "FieldKindVisit.h"
#include "FieldLabels.h"
#include "RecordLayouts.h"
#include "SetLookup.h"
#include "VentryDoc.h"
#include "gui/MessageBox.h"

CRecordTableModel::CRecordTableModel(CVentryDoc& doc, QObject* pParent)
    : QAbstractTableModel(pParent),
      m_doc(doc),
      m_nListener(doc.AddChangeListener([this](const CVentryDoc::CChangeNotice& notice) {
          // An edit of the table's own is shown where it was made, not sorted away.
          if (notice.Touches(m_database) && !m_bStoring) {
              OnSetChanged(notice.pChange);
          }
          // Only a launcher's ammunition takes its names from the set: from its weapon
          // entities, which the objects make weapons. They are named anew when next shown.
          if (m_database == Database::Launcher &&
              (notice.Touches(Database::Object) || notice.Touches(Database::Entity))) {
              m_pNames.reset();
              if (rowCount() > 0) {
                  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
              }
          }
      })) {
    SetDatabase(Database::Object);
}

CRecordTableModel::~CRecordTableModel() {
    m_doc.RemoveChangeListener(m_nListener);
}

void CRecordTableModel::SetDatabase(Database database) {
    beginResetModel();
    m_database = database;
    m_columns.clear();
    for (FieldColumn& column : ColumnsOf(LayoutOf(database))) {
        if (column.IsValue()) {
            m_columns.push_back(std::move(column));
        }
    }
    m_nSortColumn = -1;
    m_pNames.reset();
    CollectRows();
    m_shown = ArrangedRows();
    endResetModel();
}

void CRecordTableModel::SetFilter(const QString& text) {
    std::string strFolded;
    const bool bMatchesNothing = !FoldFilterText(text.toStdString(), strFolded);
    if (strFolded != m_strFilter || bMatchesNothing != m_bFilterMatchesNothing) {
        m_strFilter = std::move(strFolded);
        m_bFilterMatchesNothing = bMatchesNothing;
        Rearrange(false);
    }
}

bool CRecordTableModel::IsIndexColumn(int nColumn) const {
    return LayoutOf(m_database).bIndexed &&
           m_columns[static_cast<std::size_t>(nColumn)].pField->name == "index";
}

const CValueNames& CRecordTableModel::Names() const {
    if (!m_pNames) {
        m_pNames = m_database == Database::Launcher ? std::make_unique<CValueNames>(m_doc)
                                                    : std::make_unique<CValueNames>();
    }
    return *m_pNames;
}

std::string CRecordTableModel::Text(int nRow, int nColumn) const {
    return FormatColumn(m_columns[static_cast<std::size_t>(nColumn)], Row(nRow).pRecord);
}

std::string CRecordTableModel::Csv(const std::vector<int>& rows,
                                   const std::vector<int>& columns) const {
    std::vector<std::string> cells;
    for (const int nColumn : columns) {
        cells.push_back(m_columns[static_cast<std::size_t>(nColumn)].name);
    }
    std::string csv = Csv::FormatRow(cells);
    for (const int nRow : rows) {
        cells.clear();
        for (const int nColumn : columns) {
            cells.push_back(Text(nRow, nColumn));
        }
        csv += Csv::FormatRow(cells);
    }
    return csv;
}

int CRecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int CRecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CRecordTableModel::data(const QModelIndex& index, int nRole) const {
    if (!index.isValid()) {
        return {};
    }
    const FieldColumn& column = Column(index.column());
    if (nRole == Qt::DisplayRole || nRole == Qt::EditRole) {
        return QString::fromStdString(Names().Format(column, Row(index.row()).pRecord));
    }
    if (nRole == kValueRole && CValueNames::MeaningOf(column) != nullptr) {
        return QVariant::fromValue<qlonglong>(
            ReadInteger(column.pField->kind,
                        Row(index.row()).pRecord + column.pField->ElementOffset(column.nElement)));
    }
    // Numbers line up on the right; names read as words.
    if (nRole == Qt::TextAlignmentRole && column.pField->IsNumber() &&
        CValueNames::MeaningOf(column) == nullptr) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
}

QVariant CRecordTableModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    if (nRole == Qt::ToolTipRole && orientation == Qt::Horizontal) {
        const std::string label = EditorLabel(m_database, Column(nSection));
        return label.empty() ? QVariant() : QVariant(QString::fromLatin1(label));
    }
    if (nRole != Qt::DisplayRole) {
        return {};
    }
    // A row is headed by the index its record is written under, which stays with it through
    // sorting.
    if (orientation == Qt::Vertical) {
        return CSetLookup::IndexOf(LayoutOf(m_database), KeyOf(nSection), Row(nSection).pRecord);
    }
    return QString::fromStdString(m_columns[static_cast<std::size_t>(nSection)].name);
}

Qt::ItemFlags CRecordTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return !index.isValid() || IsIndexColumn(index.column()) ? flags : flags | Qt::ItemIsEditable;
}

bool CRecordTableModel::setData(const QModelIndex& index, const QVariant& value, int nRole) {
    if ((nRole != Qt::EditRole && nRole != kValueRole) || !index.isValid() ||
        IsIndexColumn(index.column())) {
        return false;
    }
    const FieldColumn& column = Column(index.column());
    std::uint8_t* pRecord = Row(index.row()).pRecord;
    std::vector<std::uint8_t> image(pRecord, pRecord + LayoutOf(m_database).nRecordSize);
    std::string strReason;
    if (nRole == kValueRole) {
        WriteInteger(column.pField->kind,
                     image.data() + column.pField->ElementOffset(column.nElement),
                     value.toLongLong());
    } else if (!Names().Parse(column, value.toString().toStdString(), image.data(), strReason)) {
        AfxShowMessageBox("The field \"" + column.name + "\" " + strReason);
        return false;
    }
    CSetChange change("1 cell in " + std::string(LayoutOf(m_database).name));
    change.Change(m_database, Row(index.row()).nKey, {pRecord, image.size()}, image);
    if (ApplyOwnChange(std::move(change))) {
        emit dataChanged(index, index);
    }
    return true;
}

bool CRecordTableModel::Apply(const CCellEdit& edit) {
    if (!ApplyOwnChange(edit.Change())) {
        return false;
    }
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    return true;
}

bool CRecordTableModel::ApplyOwnChange(CSetChange change) {
    m_bStoring = true;
    const bool bChanged = m_doc.ApplyChange(std::move(change));
    m_bStoring = false;
    return bChanged;
}

void CRecordTableModel::sort(int nColumn, Qt::SortOrder order) {
    m_nSortColumn = nColumn < columnCount() ? nColumn : -1;
    m_sortOrder = order;
    Rearrange(false);
}

void CRecordTableModel::CollectRows() {
    m_rows.clear();
    m_rows.reserve(m_doc.Records(m_database).Count());
    m_doc.Records(m_database).ForEach([this](std::uint16_t nKey, std::uint8_t* pRecord) {
        m_rows.push_back({nKey, pRecord});
    });
}

std::vector<std::uint32_t> CRecordTableModel::ArrangedRows() const {
    if (m_bFilterMatchesNothing) {
        return {};
    }
    std::vector<std::uint32_t> positions = FilterRows(m_rows, m_columns, m_strFilter);
    if (m_nSortColumn >= 0) {
        SortRows(positions, m_rows, m_columns[static_cast<std::size_t>(m_nSortColumn)],
                 m_sortOrder == Qt::DescendingOrder);
    }
    return positions;
}

void CRecordTableModel::OnSetChanged(const CSetChange* pChange) {
    // Rows in key order, none added or removed: only the changed rows show anew.
    const bool bKeyOrder = m_nSortColumn < 0 && m_strFilter.empty() && !m_bFilterMatchesNothing;
    const bool bSameRecords =
        pChange != nullptr && std::ranges::none_of(pChange->Records(), [this](const auto& record) {
            return record.database == m_database && (record.IsAdded() || record.IsRemoved());
        });
    if (!bKeyOrder || !bSameRecords) {
        Rearrange(true);
        return;
    }
    const RecordLayout& layout = LayoutOf(m_database);
    for (const CRecordChange& record : pChange->Records()) {
        const auto row = std::ranges::lower_bound(m_rows, record.nKey, {}, &CTableRow::nKey);
        if (record.database != m_database || row == m_rows.end() || row->nKey != record.nKey) {
            continue;
        }
        const int nRow = static_cast<int>(row - m_rows.begin());
        emit dataChanged(index(nRow, 0), index(nRow, columnCount() - 1));
        // A header tells the stored index; telling the header more than it needs costs a walk
        // over every row.
        if (CSetLookup::IndexOf(layout, record.nKey, record.before.data()) !=
            CSetLookup::IndexOf(layout, record.nKey, record.after.data())) {
            emit headerDataChanged(Qt::Vertical, nRow, nRow);
        }
    }
}

void CRecordTableModel::Rearrange(bool bRecordsChanged) {
    // Only rows move; the columns stay as they are.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList held = persistentIndexList();
    std::vector<std::uint16_t> heldKeys;
    heldKeys.reserve(static_cast<std::size_t>(held.size()));
    for (const QModelIndex& index : held) {
        heldKeys.push_back(KeyOf(index.row()));
    }
    if (bRecordsChanged) {
        CollectRows();
    }
    m_shown = ArrangedRows();
    QModelIndexList moved;
    if (!held.isEmpty()) {
        std::vector<int> rowOfKey(std::size_t{1} << 16, -1);
        for (std::size_t nRow = 0; nRow < m_shown.size(); ++nRow) {
            rowOfKey[m_rows[m_shown[nRow]].nKey] = static_cast<int>(nRow);
        }
        for (qsizetype i = 0; i < held.size(); ++i) {
            const int nRow = rowOfKey[heldKeys[static_cast<std::size_t>(i)]];
            moved.append(nRow < 0 ? QModelIndex() : index(nRow, held[i].column()));
        }
    }
    changePersistentIndexList(held, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
