#pragma once

// Comma-separated values as RFC 4180 has them, in UTF-8: cells with a comma, a quote or a line
// break are quoted, quotes doubled. Reading also takes what spreadsheets write: CRLF line ends,
// a byte-order mark, quoted cells anywhere.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Csv {

// One line, with its CRLF.
std::string FormatRow(const std::vector<std::string>& cells);

struct Row {
    std::size_t nLine;  // where the row starts, counted from 1
    std::vector<std::string> cells;
};

// Hands every row of text to onRow in order, the same Row each time with new cells, so that a
// large file costs no allocation per cell; false with the line and the reason (an
// unterminated quote, a character after a closing quote) when text is not CSV, after the rows
// before the fault. With a tab as separator it reads what spreadsheets copy.
bool ForEachRow(std::string_view text, const std::function<void(const Row&)>& onRow,
                std::string& strError, char cSeparator = ',');

}  // namespace Csv
