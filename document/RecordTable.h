#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "RecordLayout.h"

struct CKeyedRecord {
    std::uint16_t nKey;
    const std::uint8_t* pRecord;
};

// The records of one database as raw images under 16-bit keys, walked in the index map's
// order. It never gives records away: New adds one to the map that owns it.
class CRecordTable {
public:
    using Visitor = std::function<void(std::uint16_t nKey, std::uint8_t* pRecord)>;

    virtual ~CRecordTable() = default;

    virtual const RecordLayout& Layout() const = 0;
    virtual std::size_t Count() const = 0;
    virtual bool Contains(std::uint16_t nKey) const = 0;
    // Null when no record has the key.
    virtual std::uint8_t* Find(std::uint16_t nKey) const = 0;
    virtual void ForEach(const Visitor& visit) const = 0;
    // Enters a new record under nKey, a copy of pModel or zero-filled when there is none; a
    // record that had the key is replaced.
    virtual std::uint8_t* Add(std::uint16_t nKey, const std::uint8_t* pModel) = 0;
    // Takes the record under nKey out of the table; its bytes stay readable until the set is
    // emptied, so a list that still points at it never reads freed memory.
    virtual void Remove(std::uint16_t nKey) = 0;

    std::size_t RecordSize() const { return Layout().nRecordSize; }
    std::size_t NameOffset() const { return Layout().NameField().nOffset; }
    std::size_t NameWidth() const { return Layout().NameField().nWidth; }
    bool IsEmpty() const { return Count() == 0; }
    // Every record with its key, in the order of the walk.
    std::vector<CKeyedRecord> Keyed() const {
        std::vector<CKeyedRecord> records;
        records.reserve(Count());
        ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
            records.push_back({nKey, pRecord});
        });
        return records;
    }
};
