#pragma once

#include <string_view>

#include "RecordLayout.h"

class CVentryDoc;

// The bundled demo set: the CSV files of resources/demo, built into the program.
std::string_view DemoCsv(Database database);

// Fills a document whose databases are empty with the demo set.
void FillDemoSet(CVentryDoc& doc);
