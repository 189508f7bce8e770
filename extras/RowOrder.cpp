#include "RowOrder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "FieldKindVisit.h"
#include "RecordLine.h"
#include "TextSearch.h"

namespace {

using RecordField::Get;

// Every value of the number kinds fits a double exactly; NaN sorts after every number.
double NumberAt(const FieldColumn& column, const std::uint8_t* pRecord) {
    const std::uint8_t* pAt = pRecord + column.pField->ElementOffset(column.nElement);
    return VisitFieldKind(column.pField->kind, [pAt]<class T>(std::type_identity<T>) -> double {
        if constexpr (std::is_same_v<T, float>) {
            const float value = Get<float>(pAt, 0);
            return std::isnan(value) ? std::numeric_limits<double>::infinity() : value;
        } else if constexpr (std::is_integral_v<T>) {
            return Get<T>(pAt, 0);
        } else {
            return 0;
        }
    });
}

// A text's sort key: its first sixteen folded bytes as two numbers, the rest compared as bytes.
struct TextKey {
    std::uint64_t nHigh;
    std::uint64_t nLow;
    std::uint32_t nPosition;
};
constexpr std::size_t kPrefix = 16;

std::uint64_t BigEndian(const unsigned char* pBytes) {
    std::uint64_t nValue = 0;
    for (std::size_t n = 0; n < 8; ++n) {
        nValue = nValue << 8 | pBytes[n];
    }
    return nValue;
}

void SortTexts(std::vector<std::uint32_t>& positions, const std::vector<CTableRow>& rows,
               const LayoutField& field, bool bDescending) {
    // Each folded text zero-padded to the field's width, so shorter texts sort first.
    const std::size_t nWidth = std::max<std::size_t>(field.nWidth, kPrefix);
    std::vector<unsigned char> texts(rows.size() * nWidth, 0);
    std::vector<TextKey> keys;
    keys.reserve(positions.size());
    for (const std::uint32_t i : positions) {
        unsigned char* pText = &texts[i * nWidth];
        const auto* pAt = reinterpret_cast<const char*>(rows[i].pRecord + field.nOffset);
        std::transform(pAt, pAt + strnlen(pAt, field.nWidth), pText, TextFold::Lower);
        keys.push_back({BigEndian(pText), BigEndian(pText + 8), i});
    }
    const auto less = [&](const TextKey& a, const TextKey& b) {
        if (a.nHigh != b.nHigh) {
            return a.nHigh < b.nHigh;
        }
        if (a.nLow != b.nLow) {
            return a.nLow < b.nLow;
        }
        return std::memcmp(&texts[a.nPosition * nWidth + kPrefix],
                           &texts[b.nPosition * nWidth + kPrefix], nWidth - kPrefix) < 0;
    };
    if (bDescending) {
        std::stable_sort(keys.begin(), keys.end(),
                         [&less](const TextKey& a, const TextKey& b) { return less(b, a); });
    } else {
        std::stable_sort(keys.begin(), keys.end(), less);
    }
    for (std::size_t n = 0; n < keys.size(); ++n) {
        positions[n] = keys[n].nPosition;
    }
}

void SortNumbers(std::vector<std::uint32_t>& positions, const std::vector<double>& keys,
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
    TextFold::MakeLower(folded);
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
                std::transform(pAt, pAt + nLength, buffer, TextFold::Lower);
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
    if (!column.pField->IsNumber()) {
        SortTexts(positions, rows, *column.pField, bDescending);
        return;
    }
    std::vector<double> keys(rows.size());
    for (const std::uint32_t i : positions) {
        keys[i] = NumberAt(column, rows[i].pRecord);
    }
    SortNumbers(positions, keys, bDescending);
}
