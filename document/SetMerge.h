#pragma once

// Three sets from one origin merged: what two people changed in their copies of the same set
// (BASE), joined record by record (by key; the position for 3D objects) and column by column
// (the text columns: every array element, a text and its tail, every reserved field). A column
// one side changed takes that change; one both changed alike, that value; one both changed
// differently is a conflict. A record one side added is added; one both added is merged column
// by column against a zero-filled record. A record one side removed goes when the other left
// it as it was and is a conflict when the other changed it.
//
// The result is a change of OURS, the set the merge lands in, so it goes through the
// document's one door for changes like every edit. Taking all of another set's values is the
// merge of BASE = OURS with THEIRS = the other set: every difference is a change of theirs.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RecordLayout.h"
#include "SetChange.h"

class CComparedSet;
class CVentryDoc;

// A column the two sides changed differently, or a changed column of a record the other side
// removed. The values are the column's text; no value where the side has no such record.
struct CMergeConflict {
    Database database;
    std::uint16_t nKey;
    std::string strColumn;
    std::optional<std::string> base;
    std::optional<std::string> ours;
    std::optional<std::string> theirs;
};

// Which side a conflict takes; None leaves the conflict open and the column as ours has it.
enum class EMergePreference : std::uint8_t { None, Ours, Theirs };

struct CMergeResult {
    // Turns OURS into the merged set.
    CSetChange change;
    // In the order of the databases, keys and columns; settled by the preference unless it is
    // None.
    std::vector<CMergeConflict> conflicts;
};

CMergeResult MergeSets(const CVentryDoc& base, const CVentryDoc& ours, const CVentryDoc& theirs,
                       EMergePreference prefer);
// The same with base and theirs read against ours.
CMergeResult MergeSets(const CComparedSet& base, const CVentryDoc& ours, const CComparedSet& theirs,
                       EMergePreference prefer);

// One line: "sensor.esd: 5: max_speed: base 30, ours 35, theirs 40", "-" for a side without
// the record; file is the database's file name.
std::string FormatConflict(const std::string& file, const CMergeConflict& conflict);
