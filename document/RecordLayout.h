#pragma once

// A record layout as data: every field of a record by a stable name, its offset and how its
// bytes read. Together the fields of a layout cover each byte of the record exactly once, so
// the layouts are the one place where offsets are written; editors and tools name fields.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

// The databases of a set, in the order of their files: the one key by which everything that
// works on all ten (the document, the editors, the tools) tells them apart.
enum class Database : std::uint8_t {
    Object,
    Sensor,
    Launcher,
    Airstrip,
    Entity,
    Profile,
    Mast,
    Object3D,
    ShipClass,
    CountryName,
};
inline constexpr std::size_t kDatabaseCount = 10;

// How the bytes of a field read. Text is single-byte and zero-terminated when shorter than its
// field; Raw bytes have no meaning the program knows of.
enum class FieldKind : std::uint8_t { Int8, UInt8, Int16, UInt16, Int32, UInt32, Float, Text, Raw };

struct FieldMeaning;

// One field: nCount elements of nWidth bytes each, one after another from nOffset. A field
// whose numbers the editors show by name points to what they mean (FieldMeanings.h).
struct LayoutField {
    std::string_view name;
    std::uint16_t nOffset;
    FieldKind kind;
    std::uint16_t nWidth;
    std::uint16_t nCount = 1;
    const FieldMeaning* pMeaning = nullptr;

    constexpr LayoutField Means(const FieldMeaning& meaning) const {
        LayoutField field = *this;
        field.pMeaning = &meaning;
        return field;
    }

    constexpr std::size_t Size() const { return std::size_t{nWidth} * nCount; }
    constexpr std::uint16_t ElementOffset(std::size_t nElement) const {
        return static_cast<std::uint16_t>(nOffset + nElement * nWidth);
    }
    constexpr bool IsNumber() const { return kind != FieldKind::Text && kind != FieldKind::Raw; }
};

struct RecordLayout {
    Database database;
    std::string_view name;        // the file's base name: "object", "3dobject"
    std::string_view fileSuffix;  // after the language letter: "od" gives object.eod
    std::string_view title;       // what a message calls one record: "sonar profile"
    std::size_t nRecordSize;
    bool bIndexed;  // false: a record's key is its position in the file
    std::string_view nameField;
    std::span<const LayoutField> fields;

    // A field by name; an unknown name is an error, at compile time where used so.
    constexpr const LayoutField& Field(std::string_view fieldName) const {
        for (const LayoutField& field : fields) {
            if (field.name == fieldName) {
                return field;
            }
        }
        throw std::out_of_range("no such field");
    }
    constexpr const LayoutField& NameField() const { return Field(nameField); }
    // The record index, in every layout that bIndexed marks.
    constexpr const LayoutField& IndexField() const { return Field("index"); }
};

// Field constructors for the layout tables.
namespace Field {

constexpr LayoutField Int8(std::string_view name, std::uint16_t offset) {
    return {name, offset, FieldKind::Int8, 1};
}
constexpr LayoutField UInt8(std::string_view name, std::uint16_t offset) {
    return {name, offset, FieldKind::UInt8, 1};
}
constexpr LayoutField Int16(std::string_view name, std::uint16_t offset, std::uint16_t count = 1) {
    return {name, offset, FieldKind::Int16, 2, count};
}
constexpr LayoutField UInt16(std::string_view name, std::uint16_t offset) {
    return {name, offset, FieldKind::UInt16, 2};
}
constexpr LayoutField Int32(std::string_view name, std::uint16_t offset) {
    return {name, offset, FieldKind::Int32, 4};
}
constexpr LayoutField UInt32(std::string_view name, std::uint16_t offset, std::uint16_t count = 1) {
    return {name, offset, FieldKind::UInt32, 4, count};
}
constexpr LayoutField Float(std::string_view name, std::uint16_t offset) {
    return {name, offset, FieldKind::Float, 4};
}
constexpr LayoutField Text(std::string_view name, std::uint16_t offset, std::uint16_t width) {
    return {name, offset, FieldKind::Text, width};
}
constexpr LayoutField Raw(std::string_view name, std::uint16_t offset, std::uint16_t width) {
    return {name, offset, FieldKind::Raw, width};
}

}  // namespace Field
