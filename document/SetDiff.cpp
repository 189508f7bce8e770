#include "SetDiff.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>
#include <vector>

#include "ComparedSet.h"
#include "FieldText.h"
#include "RecordLayouts.h"
#include "SetChange.h"
#include "VentryDoc.h"

namespace {

// Every column whose text differs; false when the records are equal.
bool DiffRecords(const RecordLayout& layout, const std::vector<FieldColumn>& columns,
                 std::uint16_t nKey, const std::uint8_t* pOld, const std::uint8_t* pNew,
                 const CDifferenceSink& onDifference) {
    if (std::memcmp(pOld, pNew, layout.nRecordSize) == 0) {
        return false;
    }
    for (const FieldColumn& column : columns) {
        // A column's text comes from its element's bytes alone: equal bytes, equal texts.
        const std::size_t nAt = column.pField->ElementOffset(column.nElement);
        if (std::memcmp(pOld + nAt, pNew + nAt, column.pField->nWidth) == 0) {
            continue;
        }
        std::string oldText = FormatColumn(column, pOld);
        std::string newText = FormatColumn(column, pNew);
        if (oldText != newText) {
            onDifference({layout.database, nKey, CSetDifference::Kind::Changed, column.name,
                          std::move(oldText), std::move(newText)});
        }
    }
    return true;
}

template <class TNewSet>
bool DiffEach(const CVentryDoc& oldDoc, const TNewSet& newSet,
              const CDifferenceSink& onDifference) {
    bool bDiffers = false;
    for (const RecordLayout* layout : kRecordLayouts) {
        const Database database = layout->database;
        const std::vector<FieldColumn> columns = ColumnsOf(*layout);
        const auto& olds = KeyedOf(oldDoc, database);
        const auto& news = KeyedOf(newSet, database);
        auto oldIt = olds.begin();
        auto newIt = news.begin();
        // Both lists ascend by key: one merged walk meets every key once.
        while (oldIt != olds.end() || newIt != news.end()) {
            if (newIt == news.end() || (oldIt != olds.end() && oldIt->nKey < newIt->nKey)) {
                onDifference({database, oldIt++->nKey, CSetDifference::Kind::Removed, {}, {}, {}});
                bDiffers = true;
                continue;
            }
            if (oldIt == olds.end() || newIt->nKey < oldIt->nKey) {
                onDifference({database, newIt++->nKey, CSetDifference::Kind::Added, {}, {}, {}});
                bDiffers = true;
                continue;
            }
            bDiffers |= DiffRecords(*layout, columns, oldIt->nKey, oldIt->pRecord, newIt->pRecord,
                                    onDifference);
            ++oldIt;
            ++newIt;
        }
    }
    return bDiffers;
}

}  // namespace

bool DiffSets(const CVentryDoc& oldDoc, const CVentryDoc& newDoc,
              const CDifferenceSink& onDifference) {
    return DiffEach(oldDoc, newDoc, onDifference);
}

bool DiffSets(const CVentryDoc& oldDoc, const CComparedSet& newSet,
              const CDifferenceSink& onDifference) {
    return DiffEach(oldDoc, newSet, onDifference);
}

bool DiffChange(const CSetChange& change, const CDifferenceSink& onDifference) {
    std::vector<const CRecordChange*> records;
    for (const CRecordChange& record : change.Records()) {
        records.push_back(&record);
    }
    std::ranges::stable_sort(records, [](const CRecordChange* a, const CRecordChange* b) {
        return std::tie(a->database, a->nKey) < std::tie(b->database, b->nKey);
    });
    std::array<std::vector<FieldColumn>, kDatabaseCount> columns;
    bool bDiffers = false;
    for (const CRecordChange* record : records) {
        const RecordLayout& layout = LayoutOf(record->database);
        if (record->IsAdded() || record->IsRemoved()) {
            onDifference(
                {record->database,
                 record->nKey,
                 record->IsAdded() ? CSetDifference::Kind::Added : CSetDifference::Kind::Removed,
                 {},
                 {},
                 {}});
            bDiffers = true;
            continue;
        }
        std::vector<FieldColumn>& databaseColumns =
            columns[static_cast<std::size_t>(layout.database)];
        if (databaseColumns.empty()) {
            databaseColumns = ColumnsOf(layout);
        }
        bDiffers |= DiffRecords(layout, databaseColumns, record->nKey, record->before.data(),
                                record->after.data(), onDifference);
    }
    return bDiffers;
}

const char* DifferenceKindName(CSetDifference::Kind kind) {
    switch (kind) {
        case CSetDifference::Kind::Added:
            return "added";
        case CSetDifference::Kind::Removed:
            return "removed";
        case CSetDifference::Kind::Changed:
            break;
    }
    return "changed";
}

std::string FormatDifference(const std::string& file, const CSetDifference& difference) {
    std::string text = file + ": " + std::to_string(difference.nKey) + ": ";
    if (difference.kind != CSetDifference::Kind::Changed) {
        return text + DifferenceKindName(difference.kind);
    }
    return text + difference.strColumn + ": " + difference.strOld + " -> " + difference.strNew;
}
