#include "Csv.h"

#include <algorithm>

namespace Csv {

std::string FormatRow(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& cell = cells[i];
        const bool bPlain = std::ranges::none_of(
            cell, [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
        if (bPlain) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

namespace {

// The cell that starts at i, up to the separator or line end after it; i is left there.
bool ReadCell(std::string_view text, char cSeparator, std::size_t& i, std::size_t& nLine,
              std::string& cell, std::string& strError) {
    cell.clear();
    if (i == text.size() || text[i] != '"') {
        std::size_t nEnd = i;
        while (nEnd < text.size() && text[nEnd] != cSeparator && text[nEnd] != '\r' &&
               text[nEnd] != '\n') {
            ++nEnd;
        }
        cell.append(text.substr(i, nEnd - i));
        i = nEnd;
        return true;
    }
    const std::size_t nQuoteLine = nLine;
    for (++i;;) {
        const std::size_t nQuote = text.find('"', i);
        if (nQuote == std::string_view::npos) {
            strError = "line " + std::to_string(nQuoteLine) + ": a quote is not closed";
            return false;
        }
        const std::string_view part = text.substr(i, nQuote - i);
        nLine += static_cast<std::size_t>(std::ranges::count(part, '\n'));
        cell.append(part);
        i = nQuote + 1;
        if (i < text.size() && text[i] == '"') {
            cell += '"';
            ++i;
            continue;
        }
        break;
    }
    if (i < text.size() && text[i] != cSeparator && text[i] != '\r' && text[i] != '\n') {
        strError = "line " + std::to_string(nLine) + ": text after a closing quote";
        return false;
    }
    return true;
}

}  // namespace

bool ForEachRow(std::string_view text, const std::function<void(const Row&)>& onRow,
                std::string& strError, char cSeparator) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    Row row{1, {}};
    std::size_t nLine = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        row.nLine = nLine;
        std::size_t nCells = 0;
        for (bool bMore = true; bMore;) {
            if (nCells == row.cells.size()) {
                row.cells.emplace_back();
            }
            if (!ReadCell(text, cSeparator, i, nLine, row.cells[nCells++], strError)) {
                return false;
            }
            bMore = i < text.size() && text[i] == cSeparator;
            i += bMore ? 1 : 0;
        }
        if (i < text.size() && text[i] == '\r') {
            ++i;
        }
        if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        ++nLine;
        row.cells.resize(nCells);
        onRow(row);
    }
    return true;
}

}  // namespace Csv
