#include "DatabaseCsv.h"

#include <algorithm>
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

namespace {

// Reads the rows after the header into keys and records, collecting problems.
class CCsvRecordReader {
public:
    CCsvRecordReader(const RecordLayout& layout, const std::string& fileName,
                     std::vector<CCsvProblem>& problems, std::vector<std::uint16_t>& keys,
                     std::vector<std::uint8_t>& records)
        : m_layout(layout),
          m_columns(ColumnsOf(layout)),
          m_fileName(fileName),
          m_problems(problems),
          m_keys(keys),
          m_records(records) {}

    // False when the header keeps the rows from being read.
    bool TakeHeader(const Csv::Row& header) {
        const std::size_t nProblemsBefore = m_problems.size();
        m_cells = CellsOfColumns(m_columns, header, m_fileName, m_problems);
        m_nHeaderCells = header.cells.size();
        m_nIndexCell = m_layout.bIndexed ? m_cells.front() : kNoCell;
        return m_problems.size() == nProblemsBefore;
    }

    void TakeRow(const Csv::Row& row) {
        if (IsBlank(row)) {
            return;
        }
        if (row.cells.size() != m_nHeaderCells) {
            Report(row.nLine, 0, {},
                   "the row has " + std::to_string(row.cells.size()) + " cells, the header " +
                       std::to_string(m_nHeaderCells));
            return;
        }
        const std::size_t nOffset = m_records.size();
        m_records.resize(nOffset + m_layout.nRecordSize);
        // Columns are read in layout order whatever the header's order: a text's tail goes
        // after its text.
        bool bIndexRead = true;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (!ParseColumn(m_columns[i], row.cells[m_cells[i]], m_records.data() + nOffset,
                             m_reason)) {
                Report(row.nLine, m_cells[i] + 1, m_columns[i].name, m_reason);
                bIndexRead = bIndexRead && m_cells[i] != m_nIndexCell;
            }
        }
        if (!m_layout.bIndexed) {
            if (m_keys.size() == kMaxRecords) {
                Report(row.nLine, 0, {}, "a file holds at most 65536 records");
            }
            m_keys.push_back(static_cast<std::uint16_t>(m_keys.size()));
            return;
        }
        const auto nIndex = RecordField::Get<std::uint16_t>(m_records.data() + nOffset,
                                                            m_layout.IndexField().nOffset);
        if (bIndexRead && m_lineOfIndex[nIndex] != 0) {
            Report(row.nLine, m_nIndexCell + 1, m_columns.front().name,
                   "index " + std::to_string(nIndex) + " is already on line " +
                       std::to_string(m_lineOfIndex[nIndex]));
        } else if (bIndexRead) {
            m_lineOfIndex[nIndex] = row.nLine;
        }
        m_keys.push_back(nIndex);
    }

    void ExpectRows(std::size_t nRows) { m_records.reserve(nRows * m_layout.nRecordSize); }

private:
    void Report(std::size_t nLine, std::size_t nColumn, std::string field, std::string message) {
        m_problems.push_back({m_fileName, nLine, nColumn, std::move(field), std::move(message)});
    }

    const RecordLayout& m_layout;
    const std::vector<FieldColumn> m_columns;
    const std::string& m_fileName;
    std::vector<CCsvProblem>& m_problems;
    std::vector<std::size_t> m_cells;
    std::size_t m_nHeaderCells = 0;
    std::size_t m_nIndexCell = kNoCell;
    std::vector<std::size_t> m_lineOfIndex = std::vector<std::size_t>(kMaxRecords, 0);
    std::vector<std::uint16_t>& m_keys;
    std::vector<std::uint8_t>& m_records;
    std::string m_reason;
};

}  // namespace

bool CDatabaseCsvRecords::Read(std::string_view text, const std::string& fileName,
                               std::vector<CCsvProblem>& problems) {
    m_keys.clear();
    m_records.clear();
    const std::size_t nProblemsBefore = problems.size();
    CCsvRecordReader reader(m_layout, fileName, problems, m_keys, m_records);
    reader.ExpectRows(static_cast<std::size_t>(std::ranges::count(text, '\n')));
    bool bHeader = false;
    bool bHeaderRead = false;
    std::string error;
    const bool bCsv = Csv::ForEachRow(
        text,
        [&](const Csv::Row& row) {
            if (!bHeader) {
                bHeader = true;
                bHeaderRead = reader.TakeHeader(row);
            } else if (bHeaderRead) {
                reader.TakeRow(row);
            }
        },
        error);
    if (!bCsv) {
        // A file that is not CSV is reported as that alone.
        problems.resize(nProblemsBefore);
        problems.push_back({fileName, 0, 0, {}, error});
        return false;
    }
    if (!bHeader) {
        problems.push_back({fileName, 0, 0, {}, "has no header row"});
        return false;
    }
    return problems.size() == nProblemsBefore;
}

void CDatabaseCsvRecords::EnterInto(CRecordTable& table) const {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        table.Add(m_keys[i], m_records.data() + i * m_layout.nRecordSize);
    }
}

bool ReadDatabaseCsv(std::string_view text, const std::string& fileName, CRecordTable& table,
                     std::vector<CCsvProblem>& problems) {
    CDatabaseCsvRecords records(table.Layout());
    if (!records.Read(text, fileName, problems)) {
        return false;
    }
    records.EnterInto(table);
    return true;
}
