#include "SetFind.h"

#include <array>
#include <cmath>

#include "FieldKindVisit.h"
#include "ParallelFor.h"
#include "RecordLayouts.h"
#include "SetLookup.h"
#include "TextSearch.h"
#include "VentryDoc.h"
#include "core/NumberText.h"

namespace {

// The query as the fields are compared with it.
struct CPreparedQuery {
    CTextSearch text;
    bool bNumber = false;
    double number = 0;
    float fNumber = 0;
};

bool Matches(const CPreparedQuery& query, const LayoutField& field, const std::uint8_t* pAt) {
    return VisitFieldKind(field.kind, [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_same_v<T, float>) {
            return query.bNumber && RecordField::Get<float>(pAt, 0) == query.fNumber;
        } else if constexpr (std::is_integral_v<T>) {
            return query.bNumber &&
                   static_cast<double>(RecordField::Get<T>(pAt, 0)) == query.number;
        } else if constexpr (std::is_same_v<T, TextKind>) {
            return query.text.Matches(RecordField::GetTextView(pAt, 0, field.nWidth));
        } else {
            return false;
        }
    });
}

void FindInDatabase(const CVentryDoc& doc, const RecordLayout& layout, const CFindQuery& query,
                    const CPreparedQuery& prepared, std::vector<CFindMatch>& matches) {
    std::vector<FieldColumn> columns;
    for (FieldColumn& column : ColumnsOf(layout)) {
        if (column.IsValue() && (query.strField.empty() || column.name == query.strField ||
                                 column.pField->name == query.strField)) {
            columns.push_back(std::move(column));
        }
    }
    if (columns.empty()) {
        return;
    }
    doc.Records(layout.database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        for (const FieldColumn& column : columns) {
            const LayoutField& field = *column.pField;
            if (Matches(prepared, field, pRecord + field.ElementOffset(column.nElement))) {
                matches.push_back({layout.database, nKey,
                                   CSetLookup::IndexOf(layout, nKey, pRecord), &field,
                                   column.nElement});
            }
        }
    });
}

}  // namespace

std::vector<CFindMatch> FindInSet(const CVentryDoc& doc, const CFindQuery& query) {
    std::string latin1;
    // A character beyond Latin-1 is in no record; no number reads so either.
    if (!Utf8ToLatin1(query.strText, latin1)) {
        return {};
    }
    CPreparedQuery prepared{CTextSearch(latin1, false, false)};
    prepared.bNumber = NumberText::ToNumber(query.strText, prepared.number);
    // A number beyond the floats' range equals no float, not an infinite one.
    prepared.fNumber = static_cast<float>(prepared.number);
    if (!std::isfinite(prepared.fNumber)) {
        prepared.fNumber = std::nanf("");
    }
    std::array<std::vector<CFindMatch>, kDatabaseCount> found;
    ParallelFor(kDatabaseCount, [&](std::size_t i) {
        if (query.pOnly == nullptr || query.pOnly == kRecordLayouts[i]) {
            FindInDatabase(doc, *kRecordLayouts[i], query, prepared, found[i]);
        }
    });
    std::vector<CFindMatch> matches;
    for (const std::vector<CFindMatch>& database : found) {
        matches.insert(matches.end(), database.begin(), database.end());
    }
    return matches;
}

FieldColumn ColumnOf(const CFindMatch& match) {
    return {match.pField, match.nElement, false, ColumnName(*match.pField, match.nElement)};
}

std::string FormatMatch(const CVentryDoc& doc, const CFindMatch& match) {
    const CRecordTable& records = doc.Records(match.database);
    const std::string name =
        RecordField::GetText(records.Find(match.nKey), records.NameOffset(), records.NameWidth());
    return std::string(LayoutOf(match.database).name) + ": " + std::to_string(match.nIndex) + ": " +
           Latin1ToUtf8(name) + " (" + ColumnOf(match).name + ")";
}
