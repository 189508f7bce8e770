#pragma once

// Little-endian field access on raw record images, and the fixed-width text rule: a text
// shorter than its field ends with a zero byte, one that fills the field has none, and
// storing leaves the bytes after the terminator as they were.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace RecordField {

template <class T>
T Get(const std::uint8_t* record, std::size_t offset) {
    static_assert(std::is_trivially_copyable_v<T> && std::endian::native == std::endian::little);
    T value;
    std::memcpy(&value, record + offset, sizeof(T));
    return value;
}

template <class T>
void Set(std::uint8_t* record, std::size_t offset, T value) {
    static_assert(std::is_trivially_copyable_v<T> && std::endian::native == std::endian::little);
    std::memcpy(record + offset, &value, sizeof(T));
}

// The text up to the first zero byte or the end of the field, one char per byte.
inline std::string_view GetTextView(const std::uint8_t* record, std::size_t offset,
                                    std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(record + offset);
    return std::string_view(begin, strnlen(begin, width));
}

inline std::string GetText(const std::uint8_t* record, std::size_t offset, std::size_t width) {
    return std::string(GetTextView(record, offset, width));
}

// Writes text cut to the field's width, plus a terminator when there is room for one.
inline void SetText(std::uint8_t* record, std::size_t offset, std::size_t width,
                    std::string_view text) {
    const std::size_t length = text.size() < width ? text.size() : width;
    std::memcpy(record + offset, text.data(), length);
    if (length < width) {
        record[offset + length] = 0;
    }
}

}  // namespace RecordField
