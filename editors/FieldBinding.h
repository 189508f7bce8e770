#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

#include "FieldMeanings.h"
#include "RecordLayout.h"

// One row of an editor's field table: which control shows which field of the record, and
// how. The table alone builds the form and drives load, store and compare.

// How a control shows the number of its field.
enum class EShown : std::uint8_t {
    AsStored,
    // 16 stored bits shown as an unsigned 32-bit number widened with their sign; storing keeps
    // the low 16 bits of what is typed.
    Widened,
    Signed,  // an unsigned 16-bit record index shown as a signed number
};

// The element of a layout field that a control shows. Without a field the control covers no
// bytes: it shows 0 and stores nothing.
struct FieldAt {
    const LayoutField* pField = nullptr;
    std::uint16_t nElement = 0;
    EShown shown = EShown::AsStored;

    constexpr std::uint16_t Offset() const { return pField->ElementOffset(nElement); }
    constexpr std::uint16_t Width() const { return pField == nullptr ? 0 : pField->nWidth; }
    // The kind whose values the control shows and takes.
    constexpr FieldKind ShownKind() const {
        return shown == EShown::Signed ? FieldKind::Int16 : pField->kind;
    }
};

// One element of a layout field; a name the layout lacks does not compile.
consteval FieldAt At(const RecordLayout& layout, std::string_view name, std::size_t nElement = 0) {
    const LayoutField& field = layout.Field(name);
    if (nElement >= field.nCount) {
        throw std::out_of_range("no such element");
    }
    if (field.kind == FieldKind::Raw) {
        throw std::logic_error("raw bytes have no control");
    }
    return {&field, static_cast<std::uint16_t>(nElement)};
}

consteval FieldAt Widened(FieldAt at) {
    if (at.pField->nWidth != 2 || !at.pField->IsNumber()) {
        throw std::logic_error("only 16-bit numbers widen");
    }
    at.shown = EShown::Widened;
    return at;
}

consteval FieldAt Signed(FieldAt at) {
    if (at.pField->kind != FieldKind::UInt16) {
        throw std::logic_error("only unsigned 16-bit fields turn signed");
    }
    at.shown = EShown::Signed;
    return at;
}

constexpr FieldAt NowhereAt() {
    return {};
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
    bool bReadOnly = false;               // shown in a disabled control, never written
    int nTextLimit = 0;                   // characters one may type; 0 = the field's width
    int nBit = 0;                         // CheckBit: bit number in the flag word
    std::span<const NamedValue> items{};  // a combo's items; empty = filled by the editor
    int nGroup = -1;                      // index into the editor's group table; -1 = none
    int nFormColumn = 0;                  // the form's column of a field outside any group
};

// A combo of the items the field's meaning lists; whether the chosen item's value or its
// position is stored comes from there too.
consteval FieldBinding Combo(FieldBinding binding) {
    // No null test (a sanitizing build cannot compare an address at compile time); a field
    // without a meaning does not compile here either.
    const FieldMeaning* pMeaning = binding.at.pField->pMeaning;
    if (pMeaning->items.empty()) {
        throw std::logic_error("the field has no items");
    }
    binding.kind =
        pMeaning->kind == EMeaning::Positions ? ControlKind::ComboIndex : ControlKind::ComboValue;
    binding.items = pMeaning->items;
    return binding;
}

// The check box of one bit of a flag word, labelled with the bit's name.
consteval FieldBinding CheckBit(int nId, FieldAt at, int nBit, int nGroup) {
    return {.nId = nId,
            .pszLabel = BitName(*at.pField, nBit),
            .at = at,
            .kind = ControlKind::CheckBit,
            .nBit = nBit,
            .nGroup = nGroup};
}
