#include "SetTake.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "FieldText.h"
#include "RecordField.h"
#include "SetFileNames.h"
#include "VentryDoc.h"
#include "core/File.h"

namespace {

void TakeColumn(const FieldColumn& column, std::uint8_t* pRecord, const std::uint8_t* pOther) {
    const LayoutField& field = *column.pField;
    if (field.kind != FieldKind::Text) {
        const std::size_t nAt = field.ElementOffset(column.nElement);
        std::memcpy(pRecord + nAt, pOther + nAt, field.nWidth);
        return;
    }
    // What the text covers of the tail is lost.
    const std::uint8_t* pText = column.bTail ? pRecord : pOther;
    const std::uint8_t* pTail = column.bTail ? pOther : pRecord;
    RecordField::JoinText(pRecord, pText, pTail, field.nOffset, field.nWidth);
}

std::string Counted(std::size_t nCount, const char* pszThing) {
    return std::to_string(nCount) + " " + pszThing + (nCount == 1 ? "" : "s");
}

// Builds the change one record at a time: the differences come grouped by record.
class CTaker {
public:
    CTaker(const CVentryDoc& doc, const CVentryDoc& other) : m_doc(doc), m_other(other) {}

    void Take(const CSetDifference& difference, CTakeResult& result);
    void Finish(CTakeResult& result);
    // "3 values and 1 record"; empty when nothing was taken.
    std::string Taken() const;

private:
    const FieldColumn* ColumnOf(Database database, const std::string& name);

    const CVentryDoc& m_doc;
    const CVentryDoc& m_other;
    std::array<std::vector<FieldColumn>, kDatabaseCount> m_columns;
    std::optional<std::pair<Database, std::uint16_t>> m_record;
    const std::uint8_t* m_pBefore = nullptr;
    std::vector<std::uint8_t> m_after;
    std::size_t m_nValues = 0;
    std::size_t m_nRecords = 0;
};

const FieldColumn* CTaker::ColumnOf(Database database, const std::string& name) {
    std::vector<FieldColumn>& columns = m_columns[static_cast<std::size_t>(database)];
    if (columns.empty()) {
        columns = ColumnsOf(LayoutOf(database));
    }
    const auto it = std::ranges::find(columns, name, &FieldColumn::name);
    return it == columns.end() ? nullptr : &*it;
}

void CTaker::Take(const CSetDifference& difference, CTakeResult& result) {
    const Database database = difference.database;
    const std::uint8_t* pMine = m_doc.Records(database).Find(difference.nKey);
    const std::uint8_t* pOther = m_other.Records(database).Find(difference.nKey);
    const std::size_t nSize = LayoutOf(database).nRecordSize;
    switch (difference.kind) {
        case CSetDifference::Kind::Removed:
            result.nKept += pMine != nullptr && pOther == nullptr ? 1 : 0;
            return;
        case CSetDifference::Kind::Added:
            if (pMine == nullptr && pOther != nullptr) {
                result.change.Add(database, difference.nKey, {pOther, nSize});
                ++m_nRecords;
            }
            return;
        case CSetDifference::Kind::Changed:
            break;
    }
    const FieldColumn* pColumn = ColumnOf(database, difference.strColumn);
    if (pMine == nullptr || pOther == nullptr || pColumn == nullptr) {
        return;
    }
    if (m_record != std::pair(database, difference.nKey)) {
        Finish(result);
        m_record.emplace(database, difference.nKey);
        m_pBefore = pMine;
        m_after.assign(pMine, pMine + nSize);
    }
    TakeColumn(*pColumn, m_after.data(), pOther);
    ++m_nValues;
}

std::string CTaker::Taken() const {
    std::string taken = m_nValues > 0 ? Counted(m_nValues, "value") : "";
    if (m_nRecords > 0) {
        taken += (taken.empty() ? "" : " and ") + Counted(m_nRecords, "record");
    }
    return taken;
}

void CTaker::Finish(CTakeResult& result) {
    if (m_record) {
        const std::size_t nSize = m_after.size();
        result.change.Change(m_record->first, m_record->second, {m_pBefore, nSize}, m_after);
        m_record.reset();
    }
}

}  // namespace

CTakeResult TakeDifferences(const CVentryDoc& doc, const CVentryDoc& other,
                            std::span<const CSetDifference> differences) {
    CTakeResult result;
    CTaker taker(doc, other);
    for (const CSetDifference& difference : differences) {
        taker.Take(difference, result);
    }
    taker.Finish(result);
    if (!result.change.IsEmpty()) {
        result.change.SetTitle("take " + taker.Taken() + " from " +
                               CFile::FileNameOf(other.m_strObjectFile));
    }
    return result;
}
