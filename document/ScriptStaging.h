#pragma once

// What a script changes, kept apart from the document: a copy of every record it writes to and
// of every record it adds, over the document's records, which it only reads. The copies become
// one CSetChange at the end, so a script that fails leaves nothing behind.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordLayout.h"
#include "SetChange.h"

class CRecordTable;
class CVentryDoc;

class CScriptStaging {
public:
    explicit CScriptStaging(const CVentryDoc& doc) : m_doc(doc) {}

    // The record under nKey as the script sees it; null when there is none.
    const std::uint8_t* Find(Database database, std::uint16_t nKey) const;
    // The script's own copy of the record under nKey, which must exist; valid until the next
    // copy or addition in the database.
    std::uint8_t* Modify(Database database, std::uint16_t nKey);
    std::size_t Count(Database database) const;
    // Writes the Count keys of the database to pKeys in ascending order.
    void CopyKeys(Database database, std::uint16_t* pKeys) const;

    // The field that holds a record's index; null for 3D objects, whose key is their position.
    static const LayoutField* IndexField(Database database);
    // Whether a new record could not take nIndex: a record has it as key or stores it. Saved
    // sets file records under the index they store, so two that store one would lose one.
    bool IsTaken(Database database, std::uint16_t nIndex);
    // Whether the record under nKey may store nIndex in its index field.
    bool MayStoreIndex(Database database, std::uint16_t nKey, std::uint16_t nIndex);
    void StoreIndex(Database database, std::uint16_t nKey, std::uint16_t nIndex);
    // One past the last key: where a 3D object is added, as a file position.
    std::uint32_t NextKey(Database database);
    // Adds a free key's record, a copy of pFrom or zeros, its index field set to nKey.
    void Add(Database database, std::uint16_t nKey, const std::uint8_t* pFrom);

    // Every record written or added, as one change.
    CSetChange Change(std::string title) const;

private:
    struct CCopies {
        std::vector<std::int32_t> anSlotOfKey;  // -1: no copy; empty until the first copy
        std::vector<std::uint8_t> bytes;        // one record per slot
        std::vector<std::uint16_t> anAdded;     // keys of added records, in the order added
        std::vector<std::uint32_t> anStored;    // records storing each index; empty until asked
        std::int32_t nNextKey = -1;             // -1: not known yet
    };

    const CRecordTable& Table(Database database) const;
    CCopies& CopiesOf(Database database) { return m_copies[static_cast<std::size_t>(database)]; }
    const CCopies& CopiesOf(Database database) const {
        return m_copies[static_cast<std::size_t>(database)];
    }
    std::uint8_t* NewCopy(Database database, std::uint16_t nKey, const std::uint8_t* pFrom);
    std::vector<std::uint32_t>& StoredIndices(Database database);
    std::uint16_t StoredIndex(Database database, const std::uint8_t* pRecord) const;

    const CVentryDoc& m_doc;
    std::array<CCopies, kDatabaseCount> m_copies;
};
