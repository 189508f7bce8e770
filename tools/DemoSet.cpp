#include "DemoSet.h"

#include <stdexcept>
#include <vector>

#include "DatabaseCsv.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

void FillDemoSet(CVentryDoc& doc) {
    std::vector<CCsvProblem> problems;
    for (const RecordLayout* layout : kRecordLayouts) {
        if (!ReadDatabaseCsv(DemoCsv(layout->database), CsvFileName(*layout),
                             doc.Records(layout->database), problems)) {
            throw std::logic_error("the built-in demo set is broken: " +
                                   FormatCsvProblem(problems.front()));
        }
    }
}
