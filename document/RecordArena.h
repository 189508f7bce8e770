#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "RecordStorage.h"

// Storage for a known number of records, made one after another. Records are byte images
// whose destructors do nothing, so the storage goes back without running them: emptying a
// large set then costs a few frees instead of a walk over every record.
template <class T>
class CRecordBlock {
public:
    explicit CRecordBlock(std::size_t nCapacity)
        : m_pStorage(nCapacity > 0 ? static_cast<T*>(RecordStorage::Allocate(nCapacity * sizeof(T)))
                                   : nullptr),
          m_nCapacity(nCapacity) {}
    CRecordBlock(CRecordBlock&& other) noexcept
        : m_pStorage(std::exchange(other.m_pStorage, nullptr)),
          m_nCapacity(std::exchange(other.m_nCapacity, 0)),
          m_nSize(std::exchange(other.m_nSize, 0)) {}
    CRecordBlock& operator=(CRecordBlock&& other) noexcept {
        std::swap(m_pStorage, other.m_pStorage);
        std::swap(m_nCapacity, other.m_nCapacity);
        std::swap(m_nSize, other.m_nSize);
        return *this;
    }
    ~CRecordBlock() {
        if (m_pStorage != nullptr) {
            RecordStorage::Free(m_pStorage, m_nCapacity * sizeof(T));
        }
    }

    bool IsFull() const { return m_nSize == m_nCapacity; }
    std::size_t Size() const { return m_nSize; }
    std::span<T> Records() const { return {m_pStorage, m_nSize}; }

    // Only while the block is not full.
    template <class... Args>
    T& Emplace(Args&&... args) {
        T* pRecord = std::construct_at(m_pStorage + m_nSize, std::forward<Args>(args)...);
        ++m_nSize;
        return *pRecord;
    }

private:
    T* m_pStorage;
    std::size_t m_nCapacity;
    std::size_t m_nSize = 0;
};

// The records of one database: blocks that keep every record at its address until Clear.
// A load brings one block of the file's size; single records get blocks that grow with the
// database.
template <class T>
class CRecordArena {
public:
    template <class... Args>
    T& Emplace(Args&&... args) {
        if (m_blocks.empty() || m_blocks.back().IsFull()) {
            m_blocks.emplace_back(std::clamp<std::size_t>(m_nCount, kMinBlock, kMaxBlock));
        }
        ++m_nCount;
        return m_blocks.back().Emplace(std::forward<Args>(args)...);
    }

    std::span<T> Adopt(CRecordBlock<T>&& block) {
        if (block.Size() == 0) {
            return {};
        }
        m_nCount += block.Size();
        m_blocks.push_back(std::move(block));
        return m_blocks.back().Records();
    }

    void Clear() {
        m_blocks.clear();
        m_nCount = 0;
    }

private:
    static constexpr std::size_t kMinBlock = 64;
    static constexpr std::size_t kMaxBlock = 4096;

    std::vector<CRecordBlock<T>> m_blocks;
    std::size_t m_nCount = 0;
};
