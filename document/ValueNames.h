#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FieldMeanings.h"
#include "FieldText.h"

class CVentryDoc;

// One item a combo of a column offers: its name (UTF-8) and the value it stores.
struct CValueItem {
    std::string strName;
    std::int64_t nValue;
};

// Record columns as the editors speak of them: a field with a meaning shows the name of its
// value ("Surf"; "Sub, Air, 0x0100" for a flag word, the bits without a name in hex; a weapon
// entity's name), every other column as FieldText shows it. Reading takes a name or a
// number, so a value without a name stays reachable.
class CValueNames {
public:
    // Ammunition as numbers.
    CValueNames() = default;
    // Ammunition named by the weapon entities of the set as it is now (CSetLookup).
    explicit CValueNames(const CVentryDoc& doc);

    // Null for a column whose numbers are only numbers, and for a text's tail.
    static const FieldMeaning* MeaningOf(const FieldColumn& column);

    std::string Format(const FieldColumn& column, const std::uint8_t* pRecord) const;
    // As ParseColumn, names read as their values.
    bool Parse(const FieldColumn& column, std::string_view text, std::uint8_t* pRecord,
               std::string& strReason) const;
    // A whole number by name or as a number, for an integer column; false with the reason.
    bool ParseValue(const FieldColumn& column, std::string_view text, std::int64_t& value,
                    std::string& strReason) const;
    // Bits of an integer column: the names of a flag word's bits, or numbers (0x for hex) up
    // to the field's width, separated by commas.
    static bool ParseBits(const FieldColumn& column, std::string_view text, std::int64_t& value,
                          std::string& strReason);
    // What a combo of the column offers, in its order; empty for flag words and plain numbers.
    std::vector<CValueItem> Items(const FieldColumn& column) const;

private:
    // field has a meaning.
    std::string FormatValue(const LayoutField& field, std::int64_t value) const;
    bool ParseWeaponEntity(std::string_view text, std::int64_t nMin, std::int64_t nMax,
                           std::int64_t& value, std::string& strReason) const;

    std::vector<std::pair<std::uint16_t, std::string>> m_weaponEntities;  // by index; Latin-1
};
