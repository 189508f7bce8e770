#include "ValueNames.h"

#include <algorithm>
#include <charconv>

#include "FieldKindVisit.h"
#include "SetLookup.h"
#include "TextSearch.h"
#include "VentryDoc.h"
#include "core/NumberText.h"

namespace {

std::uint64_t WidthMask(const LayoutField& field) {
    return field.nWidth >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * field.nWidth)) - 1;
}

// "0x0100": as many digits as the field's bytes need.
std::string Hex(std::uint64_t value, std::size_t nDigits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex(nDigits, '0');
    for (std::size_t i = nDigits; i-- > 0 && value != 0; value >>= 4) {
        hex[i] = kDigits[value & 0xF];
    }
    return "0x" + hex;
}

// A decimal or 0x hexadecimal number no larger than nMax.
bool ToMask(std::string_view text, std::uint64_t nMax, std::uint64_t& value) {
    int nBase = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        nBase = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, nBase);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           value <= nMax;
}

std::string NameList(std::span<const NamedValue> items) {
    std::string list;
    for (const NamedValue& item : items) {
        list += (list.empty() ? "" : ", ") + std::string(item.pszName);
    }
    return list;
}

std::string NameList(std::span<const NamedBit> bits) {
    std::string list;
    for (const NamedBit& bit : bits) {
        list += (list.empty() ? "" : ", ") + std::string(bit.pszName);
    }
    return list;
}

// Names of bits and numbers up to the field's width, separated by commas.
bool ParseBitList(const LayoutField& field, std::span<const NamedBit> names, std::string_view text,
                  std::int64_t& value, std::string& strReason) {
    const std::uint64_t nMax = WidthMask(field);
    std::uint64_t bits = 0;
    for (std::size_t nFrom = 0; nFrom <= text.size();) {
        const std::size_t nComma = std::min(text.find(',', nFrom), text.size());
        const std::string_view part = NumberText::Trimmed(text.substr(nFrom, nComma - nFrom));
        nFrom = nComma + 1;
        const auto named = std::ranges::find_if(names, [part](const NamedBit& bit) {
            return TextFold::EqualNoCase(part, bit.pszName);
        });
        std::uint64_t number = 0;
        if (named != names.end()) {
            bits |= std::uint64_t{1} << named->nBit;
        } else if (ToMask(part, nMax, number)) {
            bits |= number;
        } else if (!part.empty()) {
            strReason = "needs " +
                        (names.empty() ? "" : "names of its bits (" + NameList(names) + ") or ") +
                        "numbers up to " + Hex(nMax, 2 * field.nWidth) + ", separated by commas.";
            return false;
        }
    }
    value = static_cast<std::int64_t>(bits);
    return true;
}

}  // namespace

CValueNames::CValueNames(const CVentryDoc& doc) {
    const CSetLookup lookup(doc);
    const LayoutField& name = EntityLayout::kLayout.NameField();
    doc.Records(Database::Entity).ForEach([&](std::uint16_t nKey, const std::uint8_t* pEntity) {
        const std::uint16_t nIndex = CSetLookup::IndexOf(EntityLayout::kLayout, nKey, pEntity);
        if (lookup.IsWeaponEntity(nIndex)) {
            m_weaponEntities.emplace_back(nIndex,
                                          RecordField::GetText(pEntity, name.nOffset, name.nWidth));
        }
    });
    std::ranges::stable_sort(m_weaponEntities, {}, [](const auto& entity) { return entity.first; });
}

const FieldMeaning* CValueNames::MeaningOf(const FieldColumn& column) {
    return column.pField->pMeaning;  // only whole numbers have one: never a text's tail
}

std::string CValueNames::Format(const FieldColumn& column, const std::uint8_t* pRecord) const {
    const FieldMeaning* pMeaning = MeaningOf(column);
    if (pMeaning == nullptr) {
        return FormatColumn(column, pRecord);
    }
    const LayoutField& field = *column.pField;
    return FormatValue(field,
                       ReadInteger(field.kind, pRecord + field.ElementOffset(column.nElement)));
}

std::string CValueNames::FormatValue(const LayoutField& field, std::int64_t value) const {
    const FieldMeaning& meaning = *field.pMeaning;
    switch (meaning.kind) {
        case EMeaning::Items:
        case EMeaning::Positions:
            for (const NamedValue& item : meaning.items) {
                if (item.nValue == value) {
                    return item.pszName;
                }
            }
            break;
        case EMeaning::Bits: {
            std::string text;
            std::uint64_t unnamed = static_cast<std::uint64_t>(value) & WidthMask(field);
            for (const NamedBit& bit : meaning.bits) {
                const std::uint64_t mask = std::uint64_t{1} << bit.nBit;
                if ((unnamed & mask) != 0) {
                    text += (text.empty() ? "" : ", ") + std::string(bit.pszName);
                    unnamed &= ~mask;
                }
            }
            if (unnamed != 0) {
                text += (text.empty() ? "" : ", ") + Hex(unnamed, 2 * field.nWidth);
            }
            return text;
        }
        case EMeaning::WeaponEntity: {
            // As the editor's combo: 0 is its empty item.
            if (value == 0) {
                return {};
            }
            const auto found = std::ranges::lower_bound(m_weaponEntities, value, {},
                                                        [](const auto& e) { return e.first; });
            if (found != m_weaponEntities.end() && found->first == value &&
                !found->second.empty()) {
                return Latin1ToUtf8(found->second);
            }
            break;
        }
    }
    return std::to_string(value);
}

bool CValueNames::Parse(const FieldColumn& column, std::string_view text, std::uint8_t* pRecord,
                        std::string& strReason) const {
    if (MeaningOf(column) == nullptr) {
        return ParseColumn(column, text, pRecord, strReason);
    }
    std::int64_t value = 0;
    if (!ParseValue(column, text, value, strReason)) {
        return false;
    }
    const LayoutField& field = *column.pField;
    WriteInteger(field.kind, pRecord + field.ElementOffset(column.nElement), value);
    return true;
}

bool CValueNames::ParseValue(const FieldColumn& column, std::string_view text, std::int64_t& value,
                             std::string& strReason) const {
    const auto [nMin, nMax] = IntegerRange(column.pField->kind);
    const FieldMeaning* pMeaning = MeaningOf(column);
    if (pMeaning != nullptr && pMeaning->kind == EMeaning::Bits) {
        return ParseBits(column, text, value, strReason);
    }
    if (pMeaning != nullptr && pMeaning->kind == EMeaning::WeaponEntity) {
        return ParseWeaponEntity(text, nMin, nMax, value, strReason);
    }
    const std::string_view name = NumberText::Trimmed(text);
    if (pMeaning != nullptr) {
        for (const NamedValue& item : pMeaning->items) {
            if (TextFold::EqualNoCase(name, item.pszName)) {
                value = item.nValue;
                return true;
            }
        }
    }
    long long number = 0;
    if (!NumberText::ToInteger(text, nMin, nMax, number)) {
        strReason = pMeaning == nullptr
                        ? NumberText::IntegerProblem(nMin, nMax)
                        : "needs one of " + NameList(pMeaning->items) + " or an integer between " +
                              std::to_string(nMin) + " and " + std::to_string(nMax) + ".";
        return false;
    }
    value = number;
    return true;
}

bool CValueNames::ParseBits(const FieldColumn& column, std::string_view text, std::int64_t& value,
                            std::string& strReason) {
    const FieldMeaning* pMeaning = MeaningOf(column);
    const bool bNamed = pMeaning != nullptr && pMeaning->kind == EMeaning::Bits;
    return ParseBitList(*column.pField, bNamed ? pMeaning->bits : std::span<const NamedBit>(), text,
                        value, strReason);
}

bool CValueNames::ParseWeaponEntity(std::string_view text, std::int64_t nMin, std::int64_t nMax,
                                    std::int64_t& value, std::string& strReason) const {
    long long number = 0;
    if (NumberText::Trimmed(text).empty() || NumberText::ToInteger(text, nMin, nMax, number)) {
        value = number;
        return true;
    }
    std::string latin1;
    Utf8ToLatin1(NumberText::Trimmed(text), latin1);
    // A name as written wins over names that differ in letter case only.
    std::vector<std::uint16_t> exact;
    std::vector<std::uint16_t> folded;
    for (const auto& [nIndex, name] : m_weaponEntities) {
        if (name == latin1) {
            exact.push_back(nIndex);
        } else if (TextFold::EqualNoCase(name, latin1)) {
            folded.push_back(nIndex);
        }
    }
    const std::vector<std::uint16_t>& found = exact.empty() ? folded : exact;
    if (found.size() == 1) {
        value = found.front();
        return true;
    }
    if (found.empty()) {
        strReason = "needs the name of a weapon entity or its index.";
        return false;
    }
    strReason = "names several weapon entities (";
    for (std::size_t i = 0; i < found.size(); ++i) {
        strReason += (i == 0 ? "" : ", ") + std::to_string(found[i]);
    }
    strReason += "); give the index instead.";
    return false;
}

std::vector<CValueItem> CValueNames::Items(const FieldColumn& column) const {
    const FieldMeaning* pMeaning = MeaningOf(column);
    std::vector<CValueItem> items;
    if (pMeaning != nullptr && pMeaning->kind == EMeaning::WeaponEntity) {
        items.push_back({{}, 0});
        for (const auto& [nIndex, name] : m_weaponEntities) {
            items.push_back({Latin1ToUtf8(name), nIndex});
        }
    } else if (pMeaning != nullptr) {
        for (const NamedValue& item : pMeaning->items) {
            items.push_back({item.pszName, item.nValue});
        }
    }
    return items;
}
