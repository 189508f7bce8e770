#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// The records of one database as an editor sees them: raw images under 16-bit keys, walked in
// the index map's order. Editors never own records; New adds one to the map.
class CRecordTable {
public:
    using Visitor = std::function<void(std::uint16_t nKey, std::uint8_t* pRecord)>;

    virtual ~CRecordTable() = default;

    virtual std::size_t RecordSize() const = 0;
    virtual std::size_t NameOffset() const = 0;
    virtual std::size_t NameWidth() const = 0;
    virtual std::size_t Count() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual bool Contains(std::uint16_t nKey) const = 0;
    virtual void ForEach(const Visitor& visit) = 0;
    // Enters a new record under nKey, a copy of pModel or zero-filled when there is none.
    virtual std::uint8_t* Add(std::uint16_t nKey, const std::uint8_t* pModel) = 0;
};
