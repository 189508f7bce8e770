#pragma once

#include <cstdint>
#include <span>

// One row of an editor's field table: which control shows which bytes of the record, and
// how. The table alone builds the form and drives load, store and compare.

// Int16AsUInt32: 16 stored bits shown as an unsigned 32-bit number widened with their sign;
// storing keeps the low 16 bits of what is typed.
enum class FieldType : std::uint8_t {
    Int8,
    UInt8,
    Int16,
    UInt16,
    Int32,
    UInt32,
    Float,
    Text,
    Int16AsUInt32,
    Zero,  // covers no bytes: shows 0 and stores nothing
};

// Where a field lies in the record image and how its bytes read. Width is in bytes.
struct FieldAt {
    FieldType type;
    std::uint16_t nOffset;
    std::uint16_t nWidth;
};

constexpr FieldAt Int8At(std::uint16_t offset) {
    return {FieldType::Int8, offset, 1};
}
constexpr FieldAt UInt8At(std::uint16_t offset) {
    return {FieldType::UInt8, offset, 1};
}
constexpr FieldAt Int16At(std::uint16_t offset) {
    return {FieldType::Int16, offset, 2};
}
constexpr FieldAt UInt16At(std::uint16_t offset) {
    return {FieldType::UInt16, offset, 2};
}
constexpr FieldAt Int32At(std::uint16_t offset) {
    return {FieldType::Int32, offset, 4};
}
constexpr FieldAt UInt32At(std::uint16_t offset) {
    return {FieldType::UInt32, offset, 4};
}
constexpr FieldAt FloatAt(std::uint16_t offset) {
    return {FieldType::Float, offset, 4};
}
constexpr FieldAt Int16AsUInt32At(std::uint16_t offset) {
    return {FieldType::Int16AsUInt32, offset, 2};
}
constexpr FieldAt TextAt(std::uint16_t offset, std::uint16_t width) {
    return {FieldType::Text, offset, width};
}
constexpr FieldAt NowhereAt() {
    return {FieldType::Zero, 0, 0};
}

enum class ControlKind : std::uint8_t {
    Edit,
    CheckBit,    // one bit of the integer flag word at 'at'
    ComboIndex,  // the selected item's position is the stored value
    ComboValue,  // the value attached to the selected item is stored
    // As ComboValue, but a stored value without an item shows the first item; while that
    // stays selected the stored value is kept.
    ComboValueOrFirst,
};

struct ComboItem {
    const char* pszText;
    std::int32_t nValue;  // ComboValue only
};

// Fields of one group box, laid out as label-above-control cells, nColumns to a row.
struct FieldGroup {
    const char* pszCaption;
    int nColumns;
    int nFormColumn = 0;  // the form's column, left to right, that holds the box
};

struct FieldBinding {
    int nId;
    const char* pszLabel;
    FieldAt at;
    ControlKind kind = ControlKind::Edit;
    bool bReadOnly = false;              // shown in a disabled control, never written
    int nTextLimit = 0;                  // characters one may type; 0 = the field's width
    int nBit = 0;                        // CheckBit: bit number in the flag word
    std::span<const ComboItem> items{};  // combos filled from the table; empty = by the editor
    int nGroup = -1;                     // index into the editor's group table; -1 = none
    int nFormColumn = 0;                 // the form's column of a field outside any group
};
