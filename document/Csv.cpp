#include "Csv.h"

namespace Csv {

std::string FormatRow(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& cell = cells[i];
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
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

bool Parse(std::string_view text, std::vector<Row>& rows, std::string& strError) {
    rows.clear();
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::size_t nLine = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        Row row{nLine, {std::string()}};
        bool bEnd = false;
        while (!bEnd) {
            std::string& cell = row.cells.back();
            if (i < text.size() && text[i] == '"') {
                const std::size_t nQuoteLine = nLine;
                for (++i;; ++i) {
                    if (i == text.size()) {
                        strError = "line " + std::to_string(nQuoteLine) + ": a quote is not closed";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            cell += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    nLine += text[i] == '\n' ? 1 : 0;
                    cell += text[i];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    strError = "line " + std::to_string(nLine) + ": text after a closing quote";
                    return false;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    cell += text[i++];
                }
            }
            if (i < text.size() && text[i] == ',') {
                row.cells.emplace_back();
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r') {
                ++i;
            }
            if (i < text.size() && text[i] == '\n') {
                ++i;
            }
            ++nLine;
            bEnd = true;
        }
        rows.push_back(std::move(row));
    }
    return true;
}

}  // namespace Csv
