#pragma once

// What changed from one set to another: records added and removed, by key (the position for
// 3D objects), and for records in both, each column whose text differs. Column texts read
// back to their bytes, so two records are the same exactly when all their columns are.

#include <cstdint>
#include <functional>
#include <string>

#include "RecordLayout.h"

class CVentryDoc;

struct CSetDifference {
    enum class Kind { Added, Removed, Changed };

    Database database;
    std::uint16_t nKey;
    Kind kind;
    std::string strColumn;  // Changed only, as are the two values
    std::string strOld;
    std::string strNew;
};

// Calls onDifference for every difference in the order of the databases, keys and columns;
// returns whether there was one.
bool DiffSets(const CVentryDoc& oldDoc, const CVentryDoc& newDoc,
              const std::function<void(const CSetDifference&)>& onDifference);
