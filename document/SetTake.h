#pragma once

// Another set's values taken into this one, difference by difference: a changed column takes
// exactly that column's bytes from the other set (an array element its element; a text its
// characters, keeping this record's bytes after the terminator where they fit; a text's tail
// the other's bytes after the terminator), a record only the other set has is added. Records
// only this set has stay: nothing in the program removes records.

#include <cstddef>
#include <span>

#include "SetChange.h"
#include "SetDiff.h"

class CVentryDoc;

struct CTakeResult {
    // "take 3 values and 1 record from object.god"; empty when there is nothing to take.
    CSetChange change;
    // Records only this set has, among the differences.
    std::size_t nKept = 0;
};

// differences are some of what DiffSets(doc, other, ...) gives, in its order; one that no
// longer fits the sets (a record gone since) is passed over.
CTakeResult TakeDifferences(const CVentryDoc& doc, const CVentryDoc& other,
                            std::span<const CSetDifference> differences);
