#pragma once

// What several commands of ventry-db do alike: refuse names that are no object file, open a
// set, say what its load could not take, create directories, print result lines.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FieldText.h"
#include "RecordLayout.h"

class CDocument;
struct CLoadFindings;
class CToolServices;
class CVentryDoc;

namespace CommandSupport {

// False, after a message naming path, when path is no object file name.
bool IsObjectFileName(const std::string& path);

// Loads the set of object file path; false after a message naming the file and the reason.
bool OpenSet(CDocument& doc, const std::string& path);

// One warning per file that the load could not take as it stood; emptyNote says what then
// happens to a database whose file could not be read ("that database is copied empty").
void WarnAboutLoad(const CLoadFindings& findings, CToolServices& services,
                   std::string_view emptyNote);

// Creates directory and its parents when missing; false after a message.
bool PrepareDirectory(const std::string& directory);

// The file name of a database without its directory: "sensor.esd".
std::string FileOf(const CVentryDoc& doc, Database database);

// The names a command line gives databases by: "object", "3dobject".
std::vector<std::string> DatabaseNames();

// The record's name as UTF-8.
std::string NameOf(const CVentryDoc& doc, Database database, std::uint16_t nKey);

// Writes text and a line end to standard output.
void PrintLine(std::string_view text);

// Output gathered in out goes to standard output in large pieces, a maximal set giving
// millions of lines: once it has grown large, or whatever there is when bAll.
void WriteOut(std::string& out, bool bAll = false);

// The lines "file: key: column: value" of a record, the values as format gives them; empty
// tails and reserved bytes say nothing to a reader and are left out.
template <class TFormat>
void AppendFieldLines(std::string& out, const std::string& file, std::size_t nKey,
                      const std::vector<FieldColumn>& columns, const std::uint8_t* pRecord,
                      const TFormat& format) {
    const std::string prefix = file + ": " + std::to_string(nKey) + ": ";
    for (const FieldColumn& column : columns) {
        const std::string value = format(column, pRecord);
        if (column.IsValue() || !value.empty()) {
            out += prefix;
            out += column.name;
            out += ": ";
            out += value;
            out += '\n';
        }
    }
}

}  // namespace CommandSupport
