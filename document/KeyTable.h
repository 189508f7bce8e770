#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// 16-bit keys and their pointers in two arrays sorted by key: the untyped half of CKeyMap, so
// that the ten record types share one copy of it. A set's files are mostly in index order
// already, so a load enters them in one pass; a walk is a scan of two arrays.
class CKeyTable {
public:
    // A value of a run that took the key of an earlier one; positions count from 0.
    struct Replacement {
        std::uint16_t nKey;
        std::size_t nEarlier;
        std::size_t nLater;
    };

    std::size_t Size() const { return m_keys.size(); }
    std::uint16_t KeyAt(std::size_t nAt) const { return m_keys[nAt]; }
    void* ValueAt(std::size_t nAt) const { return m_values[nAt]; }
    // The position of nKey; Size() when the table does not hold it.
    std::size_t Find(std::uint16_t nKey) const;

    // Sets the entry of nKey; true when the key was new.
    bool InsertOrAssign(std::uint16_t nKey, void* pValue);
    // Fills an empty table with a run of values, pFirst + i * nStride under keys[i], as
    // InsertOrAssign would one by one. Returns every replacement, in the order of the later
    // values.
    std::vector<Replacement> Fill(std::span<const std::uint16_t> keys, void* pFirst,
                                  std::size_t nStride);
    // Drops the entry of nKey; false when there was none.
    bool Erase(std::uint16_t nKey);
    void Clear();

private:
    std::size_t LowerBound(std::uint16_t nKey) const;

    std::vector<std::uint16_t> m_keys;
    std::vector<void*> m_values;
};
