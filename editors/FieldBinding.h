#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

#include "RecordLayout.h"

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

constexpr FieldType TypeOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Int8:
            return FieldType::Int8;
        case FieldKind::UInt8:
            return FieldType::UInt8;
        case FieldKind::Int16:
            return FieldType::Int16;
        case FieldKind::UInt16:
            return FieldType::UInt16;
        case FieldKind::Int32:
            return FieldType::Int32;
        case FieldKind::UInt32:
            return FieldType::UInt32;
        case FieldKind::Float:
            return FieldType::Float;
        case FieldKind::Text:
            return FieldType::Text;
        case FieldKind::Raw:
            break;
    }
    throw std::logic_error("raw bytes have no control");
}

// One element of a layout field; a name the layout lacks does not compile.
consteval FieldAt At(const RecordLayout& layout, std::string_view name, std::size_t nElement = 0) {
    const LayoutField& field = layout.Field(name);
    if (nElement >= field.nCount) {
        throw std::out_of_range("no such element");
    }
    return {TypeOf(field.kind), field.ElementOffset(nElement), field.nWidth};
}

// A 16-bit number shown as an unsigned 32-bit one widened with its sign.
consteval FieldAt Widened(FieldAt at) {
    if (at.nWidth != 2) {
        throw std::logic_error("only 16-bit fields widen");
    }
    at.type = FieldType::Int16AsUInt32;
    return at;
}

// A record index shown as a signed number.
consteval FieldAt Signed(FieldAt at) {
    if (at.type != FieldType::UInt16) {
        throw std::logic_error("only unsigned 16-bit fields turn signed");
    }
    at.type = FieldType::Int16;
    return at;
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
