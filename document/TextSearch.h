#pragma once

// Searching record texts as the editors' searches do: texts are single bytes (Latin-1), and
// letter case folds for A to Z and for the Latin-1 capitals À to Þ (not ×).

#include <cstddef>
#include <string>
#include <string_view>

namespace TextFold {

char Lower(char c);
void MakeLower(std::string& text);
bool EqualNoCase(std::string_view a, std::string_view b);
// Letters (Latin-1 ones too), digits and the underscore: what a whole word is made of.
bool IsWordCharacter(char c);

}  // namespace TextFold

// One text to look for in Latin-1 texts, whatever the letter case unless told otherwise, and
// as a whole word (not inside a longer run of word characters) when asked.
class CTextSearch {
public:
    CTextSearch(std::string_view latin1, bool bMatchCase, bool bWholeWord);

    bool IsEmpty() const { return m_strNeedle.empty(); }
    bool Matches(std::string_view text) const { return Find(text, 0) != std::string_view::npos; }
    // Every match replaced, left to right, none overlapping; nCount says how many.
    std::string ReplaceAll(std::string_view text, std::string_view replacement,
                           std::size_t& nCount) const;

private:
    // Where the first match at or after nFrom starts; npos when there is none.
    std::size_t Find(std::string_view text, std::size_t nFrom) const;
    bool IsWholeWordAt(std::string_view text, std::size_t nAt) const;

    std::string m_strNeedle;  // folded unless bMatchCase
    bool m_bMatchCase;
    bool m_bWholeWord;
};
