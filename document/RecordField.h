#pragma once

// Little-endian field access on raw record images, and the fixed-width text rule: a text
// shorter than its field ends with a zero byte, one that fills the field has none, and
// storing leaves the bytes after the terminator as they were.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

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

// Writes into out's field the text of textSide with the bytes after the terminator of
// tailSide, each where it lies, zeros between. False when the text covers tail bytes that are
// not zero: they are lost.
inline bool JoinText(std::uint8_t* out, const std::uint8_t* textSide, const std::uint8_t* tailSide,
                     std::size_t offset, std::size_t width) {
    const std::size_t nText = GetTextView(textSide, offset, width).size();
    const std::size_t nTailText = GetTextView(tailSide, offset, width).size();
    const std::size_t nFirst = std::min(width, std::max(nText, nTailText) + 1);
    bool bWhole = true;
    for (std::size_t i = nTailText + 1; i < nFirst; ++i) {
        bWhole = bWhole && tailSide[offset + i] == 0;
    }
    // Through a copy: out may be one of the sides.
    std::vector<std::uint8_t> joined(width, 0);
    std::memcpy(joined.data(), textSide + offset, nText);
    std::memcpy(joined.data() + nFirst, tailSide + offset + nFirst, width - nFirst);
    std::memcpy(out + offset, joined.data(), width);
    return bWhole;
}

}  // namespace RecordField
