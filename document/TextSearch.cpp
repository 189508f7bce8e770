#include "TextSearch.h"

#include <algorithm>
#include <array>

namespace TextFold {

namespace {

constexpr std::array<unsigned char, 256> kLower = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned c = 0; c < 256; ++c) {
        const bool bUpper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        table[c] = static_cast<unsigned char>(bUpper ? c + 0x20 : c);
    }
    return table;
}();

}  // namespace

char Lower(char c) {
    return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

void MakeLower(std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(), Lower);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsWordCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z') || byte == '_' ||
           (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
}

}  // namespace TextFold

CTextSearch::CTextSearch(std::string_view latin1, bool bMatchCase, bool bWholeWord)
    : m_strNeedle(latin1), m_bMatchCase(bMatchCase), m_bWholeWord(bWholeWord) {
    if (!m_bMatchCase) {
        TextFold::MakeLower(m_strNeedle);
    }
}

std::size_t CTextSearch::Find(std::string_view text, std::size_t nFrom) const {
    if (m_strNeedle.empty()) {
        return std::string_view::npos;
    }
    const auto equal = [this](char a, char b) {
        return m_bMatchCase ? a == b : TextFold::Lower(a) == b;
    };
    for (auto at = text.begin() + static_cast<std::ptrdiff_t>(std::min(nFrom, text.size()));;) {
        at = std::search(at, text.end(), m_strNeedle.begin(), m_strNeedle.end(), equal);
        if (at == text.end()) {
            return std::string_view::npos;
        }
        const auto nAt = static_cast<std::size_t>(at - text.begin());
        if (!m_bWholeWord || IsWholeWordAt(text, nAt)) {
            return nAt;
        }
        ++at;
    }
}

bool CTextSearch::IsWholeWordAt(std::string_view text, std::size_t nAt) const {
    const std::size_t nEnd = nAt + m_strNeedle.size();
    return (nAt == 0 || !TextFold::IsWordCharacter(text[nAt - 1])) &&
           (nEnd == text.size() || !TextFold::IsWordCharacter(text[nEnd]));
}

std::string CTextSearch::ReplaceAll(std::string_view text, std::string_view replacement,
                                    std::size_t& nCount) const {
    nCount = 0;
    std::string result;
    std::size_t nFrom = 0;
    for (std::size_t nAt = Find(text, 0); nAt != std::string_view::npos; nAt = Find(text, nFrom)) {
        result.append(text.substr(nFrom, nAt - nFrom)).append(replacement);
        nFrom = nAt + m_strNeedle.size();
        ++nCount;
    }
    return result.append(text.substr(nFrom));
}
