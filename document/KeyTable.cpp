#include "KeyTable.h"

#include <algorithm>

namespace {

bool KeyBefore(const CKeyTable::Entry& a, const CKeyTable::Entry& b) {
    return a.first < b.first;
}

}  // namespace

std::size_t CKeyTable::LowerBound(std::uint16_t nKey) const {
    return static_cast<std::size_t>(std::lower_bound(m_keys.begin(), m_keys.end(), nKey) -
                                    m_keys.begin());
}

std::size_t CKeyTable::Find(std::uint16_t nKey) const {
    const std::size_t nAt = LowerBound(nKey);
    return nAt < m_keys.size() && m_keys[nAt] == nKey ? nAt : m_keys.size();
}

bool CKeyTable::InsertOrAssign(std::uint16_t nKey, void* pValue) {
    const std::size_t nAt = LowerBound(nKey);
    if (nAt < m_keys.size() && m_keys[nAt] == nKey) {
        m_values[nAt] = pValue;
        return false;
    }
    m_keys.insert(m_keys.begin() + static_cast<std::ptrdiff_t>(nAt), nKey);
    m_values.insert(m_values.begin() + static_cast<std::ptrdiff_t>(nAt), pValue);
    return true;
}

std::vector<CKeyTable::Replacement> CKeyTable::AssignAll(std::vector<Entry> entries) {
    const bool bAppends =
        std::is_sorted(entries.begin(), entries.end(), KeyBefore) &&
        (entries.empty() || m_keys.empty() || m_keys.back() < entries.front().first);
    if (!bAppends) {
        // What the table holds comes first, so that the entries win over it.
        std::vector<Entry> held;
        held.reserve(m_keys.size() + entries.size());
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            held.emplace_back(m_keys[i], m_values[i]);
        }
        held.insert(held.end(), entries.begin(), entries.end());
        std::stable_sort(held.begin(), held.end(), KeyBefore);
        Clear();
        entries = std::move(held);
    }
    m_keys.reserve(m_keys.size() + entries.size());
    m_values.reserve(m_values.size() + entries.size());
    std::vector<Replacement> replacements;
    for (const auto& [nKey, pValue] : entries) {
        if (!m_keys.empty() && m_keys.back() == nKey) {
            replacements.push_back({nKey, m_values.back(), pValue});
            m_values.back() = pValue;
        } else {
            m_keys.push_back(nKey);
            m_values.push_back(pValue);
        }
    }
    return replacements;
}

void CKeyTable::Clear() {
    m_keys = {};
    m_values = {};
}
