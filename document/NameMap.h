#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A map from names (exact bytes, letter case counts) to records, with the interface of a
// std::unordered_map as far as the program uses one. The names lie back to back in one
// buffer and the table holds a part of each name's hash beside its entry, so that a lookup
// that finds nothing, which the editors' type filters do for many records, seldom reads more
// than one slot of the table.
template <class T>
class CNameMap {
public:
    using value_type = std::pair<std::string_view, T*>;

    class const_iterator {
    public:
        struct pointer {
            value_type entry;
            const value_type* operator->() const { return &entry; }
        };

        value_type operator*() const { return m_pMap->EntryAt(m_nAt); }
        pointer operator->() const { return {**this}; }
        bool operator==(const const_iterator& other) const { return m_nAt == other.m_nAt; }

    private:
        friend class CNameMap;
        const_iterator(const CNameMap* pMap, std::size_t nAt) : m_pMap(pMap), m_nAt(nAt) {}

        const CNameMap* m_pMap;
        std::size_t m_nAt;
    };

    const_iterator end() const { return {this, m_entries.size()}; }
    const_iterator find(std::string_view name) const { return {this, Find(name, Hash(name))}; }
    bool contains(std::string_view name) const { return find(name) != end(); }
    std::size_t count(std::string_view name) const { return contains(name) ? 1 : 0; }
    T* at(std::string_view name) const {
        const std::size_t nAt = Find(name, Hash(name));
        if (nAt == m_entries.size()) {
            throw std::out_of_range("no entry under that name");
        }
        return m_entries[nAt].pValue;
    }
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }

    // The entry of name, made empty when the map has none.
    T*& operator[](std::string_view name) {
        const std::uint64_t nHash = Hash(name);
        const std::size_t nAt = Find(name, nHash);
        if (nAt < m_entries.size()) {
            return m_entries[nAt].pValue;
        }
        if (2 * (m_entries.size() + 1) > m_slots.size()) {
            Rehash(std::max<std::size_t>(kMinSlots, 2 * m_slots.size()));
        }
        m_entries.push_back({static_cast<std::uint32_t>(m_names.size()),
                             static_cast<std::uint32_t>(name.size()), nullptr});
        m_names.append(name);
        Place(nHash, m_entries.size() - 1);
        return m_entries.back().pValue;
    }

    void reserve(std::size_t nEntries) {
        m_entries.reserve(nEntries);
        if (2 * nEntries > m_slots.size()) {
            Rehash(std::bit_ceil(std::max<std::size_t>(kMinSlots, 2 * nEntries)));
        }
    }

    void clear() {
        m_names = {};
        m_entries = {};
        m_slots = {};
    }

private:
    static constexpr std::size_t kMinSlots = 16;

    struct Entry {
        std::uint32_t nNameStart;
        std::uint32_t nNameLength;
        T* pValue;
    };

    static std::uint64_t Hash(std::string_view name) { return std::hash<std::string_view>()(name); }
    // A slot holds the upper half of the name's hash and the entry's position plus one; 0 is
    // a free slot.
    static std::uint64_t Tag(std::uint64_t nHash) { return nHash >> 32 << 32; }

    std::string_view NameAt(std::size_t nAt) const {
        return std::string_view(m_names).substr(m_entries[nAt].nNameStart,
                                                m_entries[nAt].nNameLength);
    }
    value_type EntryAt(std::size_t nAt) const { return {NameAt(nAt), m_entries[nAt].pValue}; }

    // The position of name's entry; size() when there is none.
    std::size_t Find(std::string_view name, std::uint64_t nHash) const {
        if (m_slots.empty()) {
            return m_entries.size();
        }
        const std::size_t nMask = m_slots.size() - 1;
        for (std::size_t nSlot = nHash & nMask;; nSlot = (nSlot + 1) & nMask) {
            const std::uint64_t nContent = m_slots[nSlot];
            if (nContent == 0) {
                return m_entries.size();
            }
            const std::size_t nAt = (nContent & 0xFFFFFFFFu) - 1;
            if ((nContent ^ nHash) >> 32 == 0 && NameAt(nAt) == name) {
                return nAt;
            }
        }
    }

    // At most half the slots are taken, so a probe soon meets a free one.
    void Rehash(std::size_t nSlots) {
        m_slots.assign(nSlots, 0);
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            Place(Hash(NameAt(i)), i);
        }
    }

    void Place(std::uint64_t nHash, std::size_t nAt) {
        const std::size_t nMask = m_slots.size() - 1;
        std::size_t nSlot = nHash & nMask;
        while (m_slots[nSlot] != 0) {
            nSlot = (nSlot + 1) & nMask;
        }
        m_slots[nSlot] = Tag(nHash) | (nAt + 1);
    }

    std::string m_names;
    std::vector<Entry> m_entries;
    std::vector<std::uint64_t> m_slots;
};
