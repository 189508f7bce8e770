#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FieldText.h"

class CVentryDoc;

// What to look for across the set: a text (UTF-8, as typed), and optionally one database and
// one field, named as a column ("sensor_slots_3") or as a layout field ("sensor_slots").
struct CFindQuery {
    std::string strText = {};
    const RecordLayout* pOnly = nullptr;
    std::string strField = {};
};

// One field of one record that matches; nIndex is the index a save writes the record under.
struct CFindMatch {
    Database database;
    std::uint16_t nKey;
    std::uint16_t nIndex;
    const LayoutField* pField;
    std::uint16_t nElement;
};

// Every match in the set as it is in memory, in the order of the databases, their records
// (index-map order) and their fields: a query that reads as a number matches the number
// fields equal to it, the index among them; any query matches the text fields that hold it,
// whatever the letter case (Latin-1 letters included). Tails and reserved bytes are not
// searched. The databases are searched side by side.
std::vector<CFindMatch> FindInSet(const CVentryDoc& doc, const CFindQuery& query);

// The value column a match lies in.
FieldColumn ColumnOf(const CFindMatch& match);

// "object: 12: Frigate (mass)", as the Where Used window lines read.
std::string FormatMatch(const CVentryDoc& doc, const CFindMatch& match);
