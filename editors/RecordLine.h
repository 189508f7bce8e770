#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The "%03d: %s" line of a record list. Texts are single bytes.
namespace RecordLine {

// Five digits, ": ", the widest name field and a sensor's " (display name)".
constexpr std::size_t kMaxLength = 80;

std::string Format(int nIndex, std::string_view name);
// Writes the line into buffer (kMaxLength bytes) and returns its length.
std::size_t Format(int nIndex, std::string_view name, char* pBuffer);

}  // namespace RecordLine
