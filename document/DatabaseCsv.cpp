#include "DatabaseCsv.h"

#include <vector>

#include "Csv.h"
#include "FieldText.h"
#include "RecordField.h"
#include "RecordTable.h"

namespace {

constexpr std::size_t kNoCell = static_cast<std::size_t>(-1);
constexpr std::size_t kMaxRecords = 65536;

// The cell of every column in the header, or the problems that keep the rows from being read.
std::vector<std::size_t> CellsOfColumns(const std::vector<FieldColumn>& columns,
                                        const Csv::Row& header, const std::string& fileName,
                                        std::vector<CCsvProblem>& problems) {
    std::vector<std::size_t> cells(columns.size(), kNoCell);
    for (std::size_t nCell = 0; nCell < header.cells.size(); ++nCell) {
        const std::string& name = header.cells[nCell];
        std::size_t i = 0;
        while (i < columns.size() && columns[i].name != name) {
            ++i;
        }
        if (i == columns.size()) {
            problems.push_back({fileName, header.nLine, nCell + 1, name, "no such column"});
        } else if (cells[i] != kNoCell) {
            problems.push_back({fileName, header.nLine, nCell + 1, name,
                                "the column is already in column " + std::to_string(cells[i] + 1)});
        } else {
            cells[i] = nCell;
        }
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (cells[i] == kNoCell) {
            problems.push_back(
                {fileName, header.nLine, 0, columns[i].name, "the column is missing"});
        }
    }
    return cells;
}

// A row with nothing in it, as some editors leave at the end.
bool IsBlank(const Csv::Row& row) {
    return row.cells.size() == 1 && row.cells.front().empty();
}

}  // namespace

std::string FormatCsvProblem(const CCsvProblem& problem) {
    std::string text = problem.strFile;
    for (const std::size_t nPlace : {problem.nLine, problem.nColumn}) {
        if (nPlace > 0) {
            text += ':';
            text += std::to_string(nPlace);
        }
    }
    text += ": ";
    if (!problem.strField.empty()) {
        text += problem.strField;
        text += ": ";
    }
    return text + problem.strMessage;
}

std::string CsvFileName(const RecordLayout& layout) {
    return std::string(layout.name) + ".csv";
}

std::string FormatDatabaseCsv(const CRecordTable& table) {
    const std::vector<FieldColumn> columns = ColumnsOf(table.Layout());
    std::vector<std::string> cells;
    for (const FieldColumn& column : columns) {
        cells.push_back(column.name);
    }
    std::string text = Csv::FormatRow(cells);
    table.ForEach([&](std::uint16_t, const std::uint8_t* pRecord) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            cells[i] = FormatColumn(columns[i], pRecord);
        }
        text += Csv::FormatRow(cells);
    });
    return text;
}

bool ReadDatabaseCsv(std::string_view text, const std::string& fileName, CRecordTable& table,
                     std::vector<CCsvProblem>& problems) {
    std::vector<Csv::Row> rows;
    std::string error;
    if (!Csv::Parse(text, rows, error)) {
        problems.push_back({fileName, 0, 0, {}, error});
        return false;
    }
    if (rows.empty()) {
        problems.push_back({fileName, 0, 0, {}, "has no header row"});
        return false;
    }
    const RecordLayout& layout = table.Layout();
    const std::vector<FieldColumn> columns = ColumnsOf(layout);
    const std::size_t nProblemsBefore = problems.size();
    const std::vector<std::size_t> cells =
        CellsOfColumns(columns, rows.front(), fileName, problems);
    if (problems.size() != nProblemsBefore) {
        return false;
    }
    // Columns are read in layout order whatever the header's order: a text's tail goes after
    // its text.
    const std::size_t nIndexCell = layout.bIndexed ? cells.front() : kNoCell;
    std::vector<std::size_t> lineOfIndex(kMaxRecords, 0);
    std::vector<std::uint16_t> keys;
    std::vector<std::uint8_t> records;
    std::string reason;
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        if (IsBlank(*row)) {
            continue;
        }
        if (row->cells.size() != rows.front().cells.size()) {
            problems.push_back({fileName,
                                row->nLine,
                                0,
                                {},
                                "the row has " + std::to_string(row->cells.size()) +
                                    " cells, the header " +
                                    std::to_string(rows.front().cells.size())});
            continue;
        }
        const std::size_t nOffset = records.size();
        records.resize(nOffset + layout.nRecordSize);
        bool bIndexRead = true;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (!ParseColumn(columns[i], row->cells[cells[i]], records.data() + nOffset, reason)) {
                problems.push_back({fileName, row->nLine, cells[i] + 1, columns[i].name, reason});
                bIndexRead = bIndexRead && cells[i] != nIndexCell;
            }
        }
        if (!layout.bIndexed) {
            if (keys.size() == kMaxRecords) {
                problems.push_back(
                    {fileName, row->nLine, 0, {}, "a file holds at most 65536 records"});
            }
            keys.push_back(static_cast<std::uint16_t>(keys.size()));
            continue;
        }
        const auto nIndex = RecordField::Get<std::uint16_t>(records.data() + nOffset, 0);
        if (bIndexRead && lineOfIndex[nIndex] != 0) {
            problems.push_back({fileName, row->nLine, nIndexCell + 1, columns.front().name,
                                "index " + std::to_string(nIndex) + " is already on line " +
                                    std::to_string(lineOfIndex[nIndex])});
        } else if (bIndexRead) {
            lineOfIndex[nIndex] = row->nLine;
        }
        keys.push_back(nIndex);
    }
    if (problems.size() != nProblemsBefore) {
        return false;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        table.Add(keys[i], records.data() + i * layout.nRecordSize);
    }
    return true;
}
