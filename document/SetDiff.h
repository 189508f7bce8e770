#pragma once

// What changed from one set to another: records added and removed, by key (the position for
// 3D objects), and for records in both, each column whose text differs. Column texts read
// back to their bytes, so two records are the same exactly when all their columns are.

#include <cstdint>
#include <functional>
#include <string>

#include "RecordLayout.h"

class CComparedSet;
class CSetChange;
class CVentryDoc;

struct CSetDifference {
    enum class Kind { Added, Removed, Changed };

    Database database;
    std::uint16_t nKey;
    Kind kind;
    std::string strColumn;  // Changed only, as are the two values
    std::string strOld;
    std::string strNew;

    friend bool operator==(const CSetDifference&, const CSetDifference&) = default;
};

using CDifferenceSink = std::function<void(const CSetDifference&)>;

// Calls onDifference for every difference in the order of the databases, keys and columns;
// returns whether there was one.
bool DiffSets(const CVentryDoc& oldDoc, const CVentryDoc& newDoc,
              const CDifferenceSink& onDifference);
// The same with the new set read against the old.
bool DiffSets(const CVentryDoc& oldDoc, const CComparedSet& newSet,
              const CDifferenceSink& onDifference);

// The differences a change makes, as DiffSets would find them between the set before and after
// it, in the same order; returns whether there was one.
bool DiffChange(const CSetChange& change, const CDifferenceSink& onDifference);

// "added", "removed", "changed".
const char* DifferenceKindName(CSetDifference::Kind kind);
// One line: "sensor.esd: 4: max_speed: 30 -> 35", "sensor.esd: 9: added"; file is the file
// name of the database.
std::string FormatDifference(const std::string& file, const CSetDifference& difference);
