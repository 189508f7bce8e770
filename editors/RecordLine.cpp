#include "RecordLine.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace RecordLine {

namespace {

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

}  // namespace RecordLine
