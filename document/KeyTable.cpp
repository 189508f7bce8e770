#include "KeyTable.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

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

std::vector<CKeyTable::Replacement> CKeyTable::Fill(std::span<const std::uint16_t> keys,
                                                    void* pFirst, std::size_t nStride) {
    if (!m_keys.empty()) {
        throw std::logic_error("only an empty key table is filled");
    }
    // Key and position in one number: sorted, equal keys keep the order of their values.
    std::vector<std::uint64_t> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        order[i] = std::uint64_t{keys[i]} << 32 | i;
    }
    if (!std::is_sorted(order.begin(), order.end())) {
        std::sort(order.begin(), order.end());
    }
    m_keys.reserve(order.size());
    m_values.reserve(order.size());
    std::vector<Replacement> replacements;
    std::size_t nHeld = 0;  // the position of the value the last key holds
    for (const std::uint64_t item : order) {
        const auto nKey = static_cast<std::uint16_t>(item >> 32);
        const auto nAt = static_cast<std::size_t>(item & 0xFFFFFFFFu);
        void* pValue = static_cast<std::byte*>(pFirst) + nAt * nStride;
        if (!m_keys.empty() && m_keys.back() == nKey) {
            replacements.push_back({nKey, nHeld, nAt});
            m_values.back() = pValue;
        } else {
            m_keys.push_back(nKey);
            m_values.push_back(pValue);
        }
        nHeld = nAt;
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return a.nLater < b.nLater; });
    return replacements;
}

bool CKeyTable::Erase(std::uint16_t nKey) {
    const std::size_t nAt = Find(nKey);
    if (nAt == m_keys.size()) {
        return false;
    }
    m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(nAt));
    m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(nAt));
    return true;
}

void CKeyTable::Clear() {
    m_keys = {};
    m_values = {};
}
