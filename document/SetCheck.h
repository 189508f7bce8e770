#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RecordLayout.h"

class CSetChange;
class CVentryDoc;

// One problem of a set: where it is and what it is. nIndex is the index the record is written
// under (its position for 3D objects), -1 for a problem of the whole file, and nKey its key
// in memory, under which it opens in its editor; strField is a column name or empty.
struct CFinding {
    Database database;
    long nIndex;
    std::string strField;
    std::string strCode;  // duplicate-index, trailing-bytes, unreadable-file, missing-record,
                          // not-a-weapon, no-object, never-listed
    std::string strMessage;
    std::uint16_t nKey = 0;
};

// Checks the set as it is in memory and as a save would write it, with what its last load
// found that no save has cured since, and returns every problem in the order of the files,
// then of the records, then of the fields.
std::vector<CFinding> CheckSet(const CVentryDoc& doc);

// The findings that change brings to doc (before it is applied or after): those a whole check
// finds after it and did not find before, in the order of the change. None when the change
// adds or removes records or changes what records are found by (see CSetLookup::FindsAlike):
// then only whole checks before and after tell.
std::optional<std::vector<CFinding>> CheckChange(const CVentryDoc& doc, const CSetChange& change);

// The findings of some that others does not have; findings are the same when all they say is.
std::vector<CFinding> FindingsNotIn(const std::vector<CFinding>& some,
                                    const std::vector<CFinding>& others);

// "FILE: INDEX: FIELD: message", "-" for a missing index or field.
std::string FormatFinding(const CVentryDoc& doc, const CFinding& finding);
