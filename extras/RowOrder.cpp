#include "RowOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "RecordField.h"
#include "RecordLine.h"

namespace {

using RecordField::Get;

// Every value of the number kinds fits a double exactly; NaN sorts after every number.
double NumberAt(const FieldColumn& column, const std::uint8_t* pRecord) {
    const std::size_t nOffset = column.pField->ElementOffset(column.nElement);
    switch (column.pField->kind) {
        case FieldKind::Int8:
            return Get<std::int8_t>(pRecord, nOffset);
        case FieldKind::UInt8:
            return Get<std::uint8_t>(pRecord, nOffset);
        case FieldKind::Int16:
            return Get<std::int16_t>(pRecord, nOffset);
        case FieldKind::UInt16:
            return Get<std::uint16_t>(pRecord, nOffset);
        case FieldKind::Int32:
            return Get<std::int32_t>(pRecord, nOffset);
        case FieldKind::UInt32:
            return Get<std::uint32_t>(pRecord, nOffset);
        case FieldKind::Float: {
            const float value = Get<float>(pRecord, nOffset);
            return std::isnan(value) ? std::numeric_limits<double>::infinity() : value;
        }
        case FieldKind::Text:
        case FieldKind::Raw:
            break;
    }
    return 0;
}

std::string FoldedText(const LayoutField& field, const std::uint8_t* pRecord) {
    std::string text = RecordField::GetText(pRecord, field.nOffset, field.nWidth);
    RecordLine::MakeLower(text);
    return text;
}

template <class Key>
void SortByKeys(std::vector<std::uint32_t>& positions, const std::vector<Key>& keys,
                bool bDescending) {
    if (bDescending) {
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](std::uint32_t a, std::uint32_t b) { return keys[b] < keys[a]; });
    } else {
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    }
}

}  // namespace

bool FoldFilterText(std::string_view utf8, std::string& folded) {
    if (!Utf8ToLatin1(utf8, folded)) {
        return false;
    }
    RecordLine::MakeLower(folded);
    return true;
}

std::vector<std::uint32_t> FilterRows(const std::vector<CTableRow>& rows,
                                      const std::vector<FieldColumn>& columns,
                                      std::string_view folded) {
    std::vector<const LayoutField*> texts;
    for (const FieldColumn& column : columns) {
        if (column.pField->kind == FieldKind::Text && !column.bTail) {
            texts.push_back(column.pField);
        }
    }
    std::vector<std::uint32_t> positions;
    positions.reserve(rows.size());
    char buffer[256];
    for (std::uint32_t i = 0; i < rows.size(); ++i) {
        const bool bKeep =
            folded.empty() ||
            std::any_of(texts.begin(), texts.end(), [&](const LayoutField* pText) {
                const auto* pAt = reinterpret_cast<const char*>(rows[i].pRecord + pText->nOffset);
                const std::size_t nLength =
                    strnlen(pAt, std::min<std::size_t>(pText->nWidth, sizeof buffer));
                std::transform(pAt, pAt + nLength, buffer, RecordLine::ToLower);
                return std::string_view(buffer, nLength).find(folded) != std::string_view::npos;
            });
        if (bKeep) {
            positions.push_back(i);
        }
    }
    return positions;
}

void SortRows(std::vector<std::uint32_t>& positions, const std::vector<CTableRow>& rows,
              const FieldColumn& column, bool bDescending) {
    if (column.pField->IsNumber()) {
        std::vector<double> keys(rows.size());
        for (const std::uint32_t i : positions) {
            keys[i] = NumberAt(column, rows[i].pRecord);
        }
        SortByKeys(positions, keys, bDescending);
        return;
    }
    std::vector<std::string> keys(rows.size());
    for (const std::uint32_t i : positions) {
        keys[i] = FoldedText(*column.pField, rows[i].pRecord);
    }
    SortByKeys(positions, keys, bDescending);
}
