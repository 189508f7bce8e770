#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

#include "KeyTable.h"

// A map from 16-bit keys to pointers, walked in ascending key order, with the interface of a
// std::map from key to pointer as far as the program uses one.
template <class T>
class CKeyMap {
public:
    using key_type = std::uint16_t;
    using mapped_type = T*;
    using value_type = std::pair<const std::uint16_t, T*>;
    using size_type = std::size_t;

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = CKeyMap::value_type;
        using difference_type = std::ptrdiff_t;
        using reference = value_type;
        struct pointer {
            value_type entry;
            const value_type* operator->() const { return &entry; }
        };

        const_iterator() = default;
        value_type operator*() const {
            return {m_pTable->KeyAt(m_nAt), static_cast<T*>(m_pTable->ValueAt(m_nAt))};
        }
        pointer operator->() const { return {**this}; }
        const_iterator& operator++() {
            ++m_nAt;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_nAt;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_nAt == other.m_nAt; }

    private:
        friend class CKeyMap;
        const_iterator(const CKeyTable* pTable, std::size_t nAt) : m_pTable(pTable), m_nAt(nAt) {}

        const CKeyTable* m_pTable = nullptr;
        std::size_t m_nAt = 0;
    };
    using iterator = const_iterator;

    const_iterator begin() const { return {&m_table, 0}; }
    const_iterator end() const { return {&m_table, m_table.Size()}; }
    const_iterator find(std::uint16_t nKey) const { return {&m_table, m_table.Find(nKey)}; }
    bool contains(std::uint16_t nKey) const { return m_table.Find(nKey) < m_table.Size(); }
    std::size_t count(std::uint16_t nKey) const { return contains(nKey) ? 1 : 0; }
    T* at(std::uint16_t nKey) const {
        const std::size_t nAt = m_table.Find(nKey);
        if (nAt == m_table.Size()) {
            throw std::out_of_range("no entry under that key");
        }
        return static_cast<T*>(m_table.ValueAt(nAt));
    }
    std::size_t size() const { return m_table.Size(); }
    bool empty() const { return m_table.Size() == 0; }

    // Sets the entry of nKey; true when the key was new.
    bool insert_or_assign(std::uint16_t nKey, T* pValue) {
        return m_table.InsertOrAssign(nKey, pValue);
    }
    // Fills an empty map with a run of records, records[i] under keys[i], as insert_or_assign
    // would one by one.
    std::vector<CKeyTable::Replacement> Fill(std::span<const std::uint16_t> keys,
                                             std::span<T> records) {
        return m_table.Fill(keys, records.data(), sizeof(T));
    }
    bool erase(std::uint16_t nKey) { return m_table.Erase(nKey); }
    void clear() { m_table.Clear(); }

private:
    CKeyTable m_table;
};
