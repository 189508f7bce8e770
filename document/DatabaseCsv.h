#pragma once

// One database as a CSV file: a header row of the column names of ColumnsOf, then one row per
// record in the order of the index map. Reading takes the columns in any order, checks every
// cell and collects every problem before a record is entered, so a bad file changes nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "RecordLayout.h"

class CRecordTable;

// Where a CSV file is wrong. nLine and nColumn count from 1; 0 where the problem concerns the
// whole file or the whole row. strField names the column when there is one.
struct CCsvProblem {
    std::string strFile;
    std::size_t nLine;
    std::size_t nColumn;
    std::string strField;
    std::string strMessage;
};

// "FILE:LINE:COLUMN: FIELD: message", the parts that are missing left out.
std::string FormatCsvProblem(const CCsvProblem& problem);

// "object.csv", "3dobject.csv".
std::string CsvFileName(const RecordLayout& layout);

// The whole CSV text of the table's records.
std::string FormatDatabaseCsv(const CRecordTable& table);

// The records of one CSV file, read and checked but not yet entered, so that several files can
// be read at once.
class CDatabaseCsvRecords {
public:
    explicit CDatabaseCsvRecords(const RecordLayout& layout) : m_layout(layout) {}

    // Reads text as the CSV file fileName of the layout's database; false with every problem
    // appended.
    bool Read(std::string_view text, const std::string& fileName,
              std::vector<CCsvProblem>& problems);
    // Enters what Read took under each record's index (3D objects under their row's
    // position).
    void EnterInto(CRecordTable& table) const;

private:
    const RecordLayout& m_layout;
    std::vector<std::uint16_t> m_keys;
    std::vector<std::uint8_t> m_records;
};

// Reads text as the CSV file fileName of the table's database. When it holds no problem, its
// records are entered and true is returned; otherwise the table is left alone and every
// problem is appended.
bool ReadDatabaseCsv(std::string_view text, const std::string& fileName, CRecordTable& table,
                     std::vector<CCsvProblem>& problems);
