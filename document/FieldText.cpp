#include "FieldText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "FieldKindVisit.h"
#include "core/NumberText.h"

namespace {

using RecordField::Get;
using RecordField::Set;

std::string Hex(const std::uint8_t* pBytes, std::size_t nCount) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * nCount);
    for (std::size_t i = 0; i < nCount; ++i) {
        hex += kDigits[pBytes[i] >> 4];
        hex += kDigits[pBytes[i] & 0xF];
    }
    return hex;
}

bool AllZero(const std::uint8_t* pBytes, std::size_t nCount) {
    for (std::size_t i = 0; i < nCount; ++i) {
        if (pBytes[i] != 0) {
            return false;
        }
    }
    return true;
}

bool FromHex(std::string_view hex, std::vector<std::uint8_t>& bytes) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        std::uint8_t byte = 0;
        const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
        if (error != std::errc() || end != hex.data() + i + 2) {
            return false;
        }
        bytes.push_back(byte);
    }
    return true;
}

std::string FormatFloat(const std::uint8_t* pAt) {
    const float value = Get<float>(pAt, 0);
    char buffer[32];
    if (!std::isfinite(value)) {
        std::snprintf(buffer, sizeof buffer, "0x%08X", Get<std::uint32_t>(pAt, 0));
        return buffer;
    }
    return NumberText::FromFloat(value);
}

template <class T>
bool ParseNumber(std::string_view text, std::uint8_t* pAt, std::string& strReason) {
    constexpr long long nMin = std::numeric_limits<T>::min();
    constexpr long long nMax = std::numeric_limits<T>::max();
    long long value = 0;
    if (!NumberText::ToInteger(text, nMin, nMax, value)) {
        strReason = NumberText::IntegerProblem(nMin, nMax);
        return false;
    }
    Set(pAt, 0, static_cast<T>(value));
    return true;
}

bool ParseFloat(std::string_view text, std::uint8_t* pAt, std::string& strReason) {
    text = NumberText::Trimmed(text);
    std::uint32_t bits = 0;
    if (text.size() == 10 && (text.starts_with("0x") || text.starts_with("0X"))) {
        const auto [end, error] = std::from_chars(text.data() + 2, text.data() + 10, bits, 16);
        if (error == std::errc() && end == text.data() + 10) {
            Set(pAt, 0, bits);
            return true;
        }
    }
    float value = 0;
    if (!NumberText::ToFloat(text, value)) {
        strReason = NumberText::kFloatProblem;
        return false;
    }
    Set(pAt, 0, value);
    return true;
}

bool ParseText(const LayoutField& field, std::string_view text, std::uint8_t* pRecord,
               std::string& strReason) {
    std::string latin1;
    if (!Utf8ToLatin1(text, latin1) || latin1.find('\0') != std::string::npos) {
        strReason = "holds characters that cannot be stored.";
        return false;
    }
    if (latin1.size() > field.nWidth) {
        strReason = "holds more than " + std::to_string(field.nWidth) + " characters.";
        return false;
    }
    RecordField::SetText(pRecord, field.nOffset, field.nWidth, latin1);
    return true;
}

bool ParseTail(const LayoutField& field, std::string_view text, std::uint8_t* pRecord,
               std::string& strReason) {
    std::vector<std::uint8_t> bytes;
    if (!FromHex(NumberText::Trimmed(text), bytes) || bytes.size() > field.nWidth) {
        strReason = "needs at most " + std::to_string(field.nWidth) + " hexadecimal bytes.";
        return false;
    }
    const std::size_t nText = RecordField::GetText(pRecord, field.nOffset, field.nWidth).size();
    const std::size_t nFirst = field.nWidth - bytes.size();
    for (std::size_t i = nFirst > nText ? nFirst : nText + 1; i < field.nWidth; ++i) {
        pRecord[field.nOffset + i] = bytes[i - nFirst];
    }
    return true;
}

bool ParseRaw(const LayoutField& field, std::string_view text, std::uint8_t* pRecord,
              std::string& strReason) {
    std::vector<std::uint8_t> bytes;
    text = NumberText::Trimmed(text);
    if (text.empty()) {
        bytes.assign(field.nWidth, 0);
    } else if (!FromHex(text, bytes) || bytes.size() != field.nWidth) {
        strReason = "needs " + std::to_string(field.nWidth) + " hexadecimal bytes.";
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), pRecord + field.nOffset);
    return true;
}

}  // namespace

std::string ColumnName(const LayoutField& field, std::uint16_t nElement) {
    std::string name(field.name);
    return field.nCount > 1 ? name + "_" + std::to_string(nElement + 1) : name;
}

std::vector<FieldColumn> ColumnsOf(const RecordLayout& layout) {
    std::vector<FieldColumn> columns;
    for (const LayoutField& field : layout.fields) {
        const std::string name(field.name);
        if (field.nCount > 1) {
            for (std::uint16_t i = 0; i < field.nCount; ++i) {
                columns.push_back({&field, i, false, ColumnName(field, i)});
            }
            continue;
        }
        columns.push_back({&field, 0, false, name});
        if (field.kind == FieldKind::Text) {
            columns.push_back({&field, 0, true, name + "_tail"});
        }
    }
    return columns;
}

std::string FormatColumn(const FieldColumn& column, const std::uint8_t* pRecord) {
    const LayoutField& field = *column.pField;
    const std::uint8_t* pAt = pRecord + field.ElementOffset(column.nElement);
    return VisitFieldKind(field.kind, [&]<class T>(std::type_identity<T>) -> std::string {
        if constexpr (std::is_same_v<T, float>) {
            return FormatFloat(pAt);
        } else if constexpr (std::is_integral_v<T>) {
            return std::to_string(Get<T>(pAt, 0));
        } else if constexpr (std::is_same_v<T, TextKind>) {
            const std::string text = RecordField::GetText(pRecord, field.nOffset, field.nWidth);
            if (!column.bTail) {
                return Latin1ToUtf8(text);
            }
            const std::size_t nAfter = text.size() + 1;
            const std::size_t nCount = nAfter < field.nWidth ? field.nWidth - nAfter : 0;
            return AllZero(pAt + nAfter, nCount) ? std::string() : Hex(pAt + nAfter, nCount);
        } else {
            return AllZero(pAt, field.nWidth) ? std::string() : Hex(pAt, field.nWidth);
        }
    });
}

bool ParseColumn(const FieldColumn& column, std::string_view text, std::uint8_t* pRecord,
                 std::string& strReason) {
    const LayoutField& field = *column.pField;
    std::uint8_t* pAt = pRecord + field.ElementOffset(column.nElement);
    return VisitFieldKind(field.kind, [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_same_v<T, float>) {
            return ParseFloat(text, pAt, strReason);
        } else if constexpr (std::is_integral_v<T>) {
            return ParseNumber<T>(text, pAt, strReason);
        } else if constexpr (std::is_same_v<T, TextKind>) {
            return column.bTail ? ParseTail(field, text, pRecord, strReason)
                                : ParseText(field, text, pRecord, strReason);
        } else {
            return ParseRaw(field, text, pRecord, strReason);
        }
    });
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | byte >> 6);
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

bool Utf8ToLatin1(std::string_view text, std::string& latin1) {
    latin1.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            latin1 += text[i];
            continue;
        }
        // Two-byte sequences up to U+00FF are all Latin-1 can hold.
        if ((byte != 0xC2 && byte != 0xC3) || i + 1 == text.size() ||
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80) {
            return false;
        }
        latin1 += static_cast<char>((byte & 0x03) << 6 | (text[i + 1] & 0x3F));
        ++i;
    }
    return true;
}
