#pragma once

#include <string>
#include <vector>

#include "RecordLayout.h"

class CVentryDoc;

// One problem of a set: where it is and what it is. nIndex is the record's key (its position
// for 3D objects), -1 for a problem of the whole file; strField is a column name or empty.
struct CFinding {
    Database database;
    long nIndex;
    std::string strField;
    std::string strCode;  // duplicate-index, trailing-bytes, unreadable-file, missing-record,
                          // not-a-weapon, no-object, never-listed
    std::string strMessage;
};

// Checks the set as it is in memory, with what its last load found, and returns every
// problem in the order of the files, then of the records, then of the fields.
std::vector<CFinding> CheckSet(const CVentryDoc& doc);

// "FILE: INDEX: FIELD: message", "-" for a missing index or field.
std::string FormatFinding(const CVentryDoc& doc, const CFinding& finding);
