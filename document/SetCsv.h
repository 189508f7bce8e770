#pragma once

// A whole set as the ten CSV files of DatabaseCsv.h in one directory.

#include <string>
#include <vector>

#include "DatabaseCsv.h"

class CVentryDoc;

// Writes the ten CSV files of doc into directory, which must exist. False with the file and
// the system's reason in strError.
bool ExportSetCsv(const CVentryDoc& doc, const std::string& directory, std::string& strError);

// Reads the ten CSV files of directory into doc, whose databases are empty. False with every
// problem of every file appended; the document may then hold the records of the good files.
bool ImportSetCsv(const std::string& directory, CVentryDoc& doc,
                  std::vector<CCsvProblem>& problems);
