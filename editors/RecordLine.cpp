#include "RecordLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace RecordLine {

namespace {

constexpr std::array<unsigned char, 256> kLower = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned c = 0; c < 256; ++c) {
        const bool bUpper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        table[c] = static_cast<unsigned char>(bUpper ? c + 0x20 : c);
    }
    return table;
}();

// "%03d: " without printf: filling a large list makes tens of thousands of these.
int FormatNumber(int nIndex, char* pBuffer) {
    if (nIndex < 0) {
        return std::snprintf(pBuffer, kMaxLength, "%03d: ", nIndex);
    }
    char digits[16];
    const int nDigits =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, nIndex).ptr - digits);
    const int nPadding = std::max(0, 3 - nDigits);
    std::fill_n(pBuffer, nPadding, '0');
    std::copy_n(digits, nDigits, pBuffer + nPadding);
    pBuffer[nPadding + nDigits] = ':';
    pBuffer[nPadding + nDigits + 1] = ' ';
    return nPadding + nDigits + 2;
}

}  // namespace

std::size_t Format(int nIndex, std::string_view name, char* pBuffer) {
    const int nLength = FormatNumber(nIndex, pBuffer);
    const std::size_t nName =
        std::min(name.size(), kMaxLength - static_cast<std::size_t>(nLength) - 1);
    std::copy_n(name.data(), nName, pBuffer + nLength);
    return static_cast<std::size_t>(nLength) + nName;
}

std::string Format(int nIndex, std::string_view name) {
    char buffer[kMaxLength];
    return std::string(buffer, Format(nIndex, name, buffer));
}

char ToLower(char c) {
    return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

void MakeLower(std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(), ToLower);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ToLower(x) == ToLower(y);
           });
}

}  // namespace RecordLine
