#pragma once

// The one place where a layout field's kind turns into the C++ type of its elements. Every
// piece of code that treats fields by kind (the editors' controls, the text columns of the
// tools and the table, sorting, scripts, merging) visits the kind here instead of switching
// over it again.

#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

#include "RecordField.h"
#include "RecordLayout.h"

// The tags a visitor gets for the two kinds that are not numbers.
struct TextKind {};
struct RawKind {};

// Calls visit(std::type_identity<T>{}) with T the element type of kind: std::int8_t ...
// std::uint32_t, float, TextKind or RawKind.
template <class TVisit>
constexpr decltype(auto) VisitFieldKind(FieldKind kind, TVisit&& visit) {
    switch (kind) {
        case FieldKind::Int8:
            return visit(std::type_identity<std::int8_t>{});
        case FieldKind::UInt8:
            return visit(std::type_identity<std::uint8_t>{});
        case FieldKind::Int16:
            return visit(std::type_identity<std::int16_t>{});
        case FieldKind::UInt16:
            return visit(std::type_identity<std::uint16_t>{});
        case FieldKind::Int32:
            return visit(std::type_identity<std::int32_t>{});
        case FieldKind::UInt32:
            return visit(std::type_identity<std::uint32_t>{});
        case FieldKind::Float:
            return visit(std::type_identity<float>{});
        case FieldKind::Text:
            return visit(std::type_identity<TextKind>{});
        case FieldKind::Raw:
            break;
    }
    return visit(std::type_identity<RawKind>{});
}

// An integer field's element as a 64-bit value; 0 for any other kind.
inline std::int64_t ReadInteger(FieldKind kind, const std::uint8_t* pAt) {
    return VisitFieldKind(kind, [pAt]<class T>(std::type_identity<T>) -> std::int64_t {
        if constexpr (std::is_integral_v<T>) {
            return RecordField::Get<T>(pAt, 0);
        } else {
            return 0;
        }
    });
}

// Writes value into an integer field's element, cut to its width as the stored type would
// cut it; other kinds stay as they are.
inline void WriteInteger(FieldKind kind, std::uint8_t* pAt, std::int64_t value) {
    VisitFieldKind(kind, [pAt, value]<class T>(std::type_identity<T>) {
        if constexpr (std::is_integral_v<T>) {
            RecordField::Set(pAt, 0, static_cast<T>(value));
        }
    });
}

// The smallest and largest value of an integer kind; {0, 0} for any other kind.
constexpr std::pair<std::int64_t, std::int64_t> IntegerRange(FieldKind kind) {
    return VisitFieldKind(kind, []<class T>(std::type_identity<T>) {
        if constexpr (std::is_integral_v<T>) {
            return std::pair<std::int64_t, std::int64_t>(std::numeric_limits<T>::min(),
                                                         std::numeric_limits<T>::max());
        } else {
            return std::pair<std::int64_t, std::int64_t>(0, 0);
        }
    });
}
