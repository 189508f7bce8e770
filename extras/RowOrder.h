#pragma once

// Which records a table shows, and in which order: the rows whose texts hold a filter text,
// sorted by one column. Numbers sort by value, texts without regard to letter case; rows
// with equal values keep the index-map order.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FieldText.h"

struct CTableRow {
    std::uint16_t nKey;
    std::uint8_t* pRecord;
};

// The filter text as the rows are searched for it: Latin-1, lower case. False when it holds a
// character no record text can hold.
bool FoldFilterText(std::string_view utf8, std::string& folded);

// The positions in rows of those whose text columns hold folded, in row order; every row when
// folded is empty.
std::vector<std::uint32_t> FilterRows(const std::vector<CTableRow>& rows,
                                      const std::vector<FieldColumn>& columns,
                                      std::string_view folded);

// Sorts positions in rows by the column's values.
void SortRows(std::vector<std::uint32_t>& positions, const std::vector<CTableRow>& rows,
              const FieldColumn& column, bool bDescending);
