#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "KeyMap.h"
#include "RecordArena.h"

// A database's records under their 16-bit keys, walked in ascending key order: lists, New
// and the written files all follow it. The map owns its records, and every record it ever
// held keeps its address until clear(): a record that lost its key to a later one may still
// be named by the object name map or the weapon entity map.
template <class T>
class CIndexMap {
public:
    using key_type = std::uint16_t;
    using mapped_type = T*;
    using record_type = T;
    using value_type = typename CKeyMap<T>::value_type;
    using iterator = typename CKeyMap<T>::iterator;
    using const_iterator = typename CKeyMap<T>::const_iterator;

    const_iterator begin() const { return m_keys.begin(); }
    const_iterator end() const { return m_keys.end(); }
    const_iterator find(std::uint16_t nKey) const { return m_keys.find(nKey); }
    bool contains(std::uint16_t nKey) const { return m_keys.contains(nKey); }
    std::size_t count(std::uint16_t nKey) const { return m_keys.count(nKey); }
    T* at(std::uint16_t nKey) const { return m_keys.at(nKey); }
    std::size_t size() const { return m_keys.size(); }
    bool empty() const { return m_keys.empty(); }

    // Makes a record from args and enters it under nKey, in place of any record there.
    template <class... Args>
    T& Emplace(std::uint16_t nKey, Args&&... args) {
        T& record = m_records.Emplace(std::forward<Args>(args)...);
        m_keys.insert_or_assign(nKey, &record);
        return record;
    }

    struct Adopted {
        std::span<T> records;
        std::vector<CKeyTable::Replacement> replaced;  // records that took an earlier one's key
    };
    // Takes over a block of records and enters each under keyOf(position, record), in block
    // order, as Emplace would one by one; the map holds no key yet, as after clear().
    template <class KeyOf>
    Adopted Adopt(CRecordBlock<T>&& block, KeyOf keyOf) {
        const std::span<T> records = m_records.Adopt(std::move(block));
        std::vector<std::uint16_t> keys(records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            keys[i] = keyOf(i, records[i]);
        }
        return {records, m_keys.Fill(keys, records)};
    }

    // Takes the record under nKey out of the map; it keeps its address until clear().
    bool Erase(std::uint16_t nKey) { return m_keys.erase(nKey); }

    void clear() {
        m_keys.clear();
        m_records.Clear();
    }

private:
    CKeyMap<T> m_keys;
    CRecordArena<T> m_records;
};
