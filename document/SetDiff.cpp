#include "SetDiff.h"

#include <cstring>
#include <vector>

#include "FieldText.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

namespace {

struct CKeyedRecord {
    std::uint16_t nKey;
    const std::uint8_t* pRecord;
};

std::vector<CKeyedRecord> RecordsOf(const CRecordTable& table) {
    std::vector<CKeyedRecord> records;
    records.reserve(table.Count());
    table.ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        records.push_back({nKey, pRecord});
    });
    return records;
}

}  // namespace

bool DiffSets(const CVentryDoc& oldDoc, const CVentryDoc& newDoc,
              const std::function<void(const CSetDifference&)>& onDifference) {
    bool bDiffers = false;
    for (const RecordLayout* layout : kRecordLayouts) {
        const Database database = layout->database;
        const std::vector<FieldColumn> columns = ColumnsOf(*layout);
        const std::vector<CKeyedRecord> olds = RecordsOf(oldDoc.Records(database));
        const std::vector<CKeyedRecord> news = RecordsOf(newDoc.Records(database));
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
            if (std::memcmp(oldIt->pRecord, newIt->pRecord, layout->nRecordSize) != 0) {
                bDiffers = true;
                for (const FieldColumn& column : columns) {
                    std::string oldText = FormatColumn(column, oldIt->pRecord);
                    std::string newText = FormatColumn(column, newIt->pRecord);
                    if (oldText != newText) {
                        onDifference({database, oldIt->nKey, CSetDifference::Kind::Changed,
                                      column.name, std::move(oldText), std::move(newText)});
                    }
                }
            }
            ++oldIt;
            ++newIt;
        }
    }
    return bDiffers;
}
