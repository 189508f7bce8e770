// Feeds arbitrary bytes to the CSV reader of one database: the first byte picks the database
// (in the order of Database), the rest is its CSV file. A file that is refused must say why;
// one that is taken must export to a text that reads back to the same records.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DatabaseCsv.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Database database = kRecordLayouts[data[0] % kDatabaseCount]->database;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<CCsvProblem> problems;
    CVentryDoc doc;
    if (!ReadDatabaseCsv(text, "fuzz.csv", doc.Records(database), problems)) {
        if (problems.empty() || !doc.Records(database).IsEmpty()) {
            __builtin_trap();
        }
        for (const CCsvProblem& problem : problems) {
            FormatCsvProblem(problem);
        }
        return 0;
    }
    const std::string exported = FormatDatabaseCsv(doc.Records(database));
    CVentryDoc again;
    if (!ReadDatabaseCsv(exported, "again.csv", again.Records(database), problems) ||
        FormatDatabaseCsv(again.Records(database)) != exported) {
        __builtin_trap();
    }
    return 0;
}
