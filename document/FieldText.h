#pragma once

// Record fields as text, for the tools and the table: every byte of a record belongs to one
// column, and reading back what a record's columns show gives the same bytes. Numbers show
// one column per array element ("sensor_slots_3", counted from 1); a text shows its
// characters (Latin-1, as UTF-8) and, in "<name>_tail", the bytes after its terminator in
// hex; reserved bytes show in hex. Floats show as the shortest text that reads back to the
// same bits, or as their bits ("0x7FC01234") when no decimal text can.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "RecordLayout.h"

struct FieldColumn {
    const LayoutField* pField;
    std::uint16_t nElement;
    bool bTail;  // the bytes after a text's terminator
    std::string name;

    // A column a person reads and edits; the tails and reserved bytes are there to lose
    // nothing.
    bool IsValue() const { return !bTail && pField->kind != FieldKind::Raw; }
};

// The name of the column of an element of a field: "mass", "sensor_slots_3".
std::string ColumnName(const LayoutField& field, std::uint16_t nElement);

// Every column of a layout, in the order of its fields.
std::vector<FieldColumn> ColumnsOf(const RecordLayout& layout);

std::string FormatColumn(const FieldColumn& column, const std::uint8_t* pRecord);

// Writes text into the column's bytes of pRecord, as the editors would store it: a text keeps
// the bytes after its terminator, a tail lies at the end of its field and never over the text.
// False with the reason ("needs an integer between 0 and 255.") when text does not fit.
bool ParseColumn(const FieldColumn& column, std::string_view text, std::uint8_t* pRecord,
                 std::string& strReason);

// Latin-1 bytes as UTF-8, and back; false when text holds a character beyond U+00FF or is not
// UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);
bool Utf8ToLatin1(std::string_view text, std::string& latin1);
