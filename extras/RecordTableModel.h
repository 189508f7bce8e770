#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FieldText.h"
#include "RowOrder.h"
#include "ValueNames.h"

class CCellEdit;
class CSetChange;
class CVentryDoc;

// The records of one database as a table: a row per record, in index-map order until sorted,
// and a column per value column of its layout. Cells are formatted from the record bytes when
// asked for, a value the editors name by its name (CValueNames); the headers are the layout's
// names, their tooltips the editors' labels. An edit takes a name or a number, parses like
// the editors do and writes only its field's bytes into the record; the index is read-only.
// Sorting goes by the stored values. The table follows the document's changes of its
// database, and of the objects and entities that name a launcher's ammunition.
class CRecordTableModel final : public QAbstractTableModel {
public:
    // The number a named column stores, for editors that choose among names.
    static constexpr int kValueRole = Qt::UserRole;

    CRecordTableModel(CVentryDoc& doc, QObject* pParent);
    ~CRecordTableModel() override;

    void SetDatabase(Database database);
    Database GetDatabase() const { return m_database; }
    // Keeps the rows whose text fields hold text, whatever the letter case; empty keeps all.
    void SetFilter(const QString& text);
    std::uint16_t KeyOf(int nRow) const { return Row(nRow).nKey; }
    bool IsIndexColumn(int nColumn) const;
    const FieldColumn& Column(int nColumn) const {
        return m_columns[static_cast<std::size_t>(nColumn)];
    }
    // The names of the values, for the set as it is now.
    const CValueNames& Names() const;
    // Applies an edit of the table's cells as one step; the rows stay where they are. False
    // when it changes nothing.
    bool Apply(const CCellEdit& edit);
    // The cells of rows and columns as CSV, the column names first.
    std::string Csv(const std::vector<int>& rows, const std::vector<int>& columns) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int nRole) override;
    // A column of -1 goes back to the index-map order.
    void sort(int nColumn, Qt::SortOrder order) override;

private:
    const CTableRow& Row(int nRow) const { return m_rows[m_shown[static_cast<std::size_t>(nRow)]]; }
    std::string Text(int nRow, int nColumn) const;
    // Shows the rows filtered and sorted, first taking the records anew when they changed; the
    // cells that views hold on to stay with their records.
    void Rearrange(bool bRecordsChanged);
    // Follows a change of the set; none: the whole set is new.
    void OnSetChanged(const CSetChange* pChange);
    void CollectRows();
    std::vector<std::uint32_t> ArrangedRows() const;
    bool ApplyOwnChange(CSetChange change);

    CVentryDoc& m_doc;
    int m_nListener;
    Database m_database = Database::Object;
    std::vector<FieldColumn> m_columns;
    mutable std::unique_ptr<CValueNames> m_pNames;  // made when first asked for
    std::vector<CTableRow> m_rows;                  // every record, in index-map order
    std::vector<std::uint32_t> m_shown;             // positions in m_rows, as the table shows them
    std::string m_strFilter;                        // folded
    bool m_bFilterMatchesNothing = false;
    int m_nSortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_bStoring = false;
};
