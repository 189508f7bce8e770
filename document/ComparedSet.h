#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "LoadFindings.h"
#include "RecordLayout.h"
#include "RecordTable.h"
#include "core/Document.h"

class CVentryDoc;

// A set read beside a loaded set that it mostly equals, as the other sides of a merge do: a
// record whose bytes equal those of the loaded set's record under the same key shares them
// instead of being copied, so that reading even a maximal set touches little fresh memory.
// OnOpenDocument reads it; it then holds what a load as a document would hold, for as long as
// the loaded set stays as it was.
class CComparedSet final : public CDocument {
public:
    explicit CComparedSet(const CVentryDoc& reference) : m_reference(reference) {}

    // Every record of the database with its key, ascending by key.
    const std::vector<CKeyedRecord>& Keyed(Database database) const {
        return m_keyed[static_cast<std::size_t>(database)];
    }
    const CLoadFindings& LoadFindings() const { return m_loadFindings; }

    // Made only here, never by name.
    const CRuntimeClass* GetRuntimeClass() const override { return nullptr; }
    void DeleteContents() override;
    void Serialize(CArchive& ar) override;

private:
    class CComparingSink;

    // A copy of a record that differs from the reference's, at an address that stays.
    const std::uint8_t* Keep(const std::uint8_t* pRecord, std::size_t nSize);

    const CVentryDoc& m_reference;
    std::array<std::vector<CKeyedRecord>, kDatabaseCount> m_keyed;
    std::vector<std::unique_ptr<std::uint8_t[]>> m_copies;
    std::size_t m_nCopyRoom = 0;  // unused bytes at the end of the last block of copies
    CLoadFindings m_loadFindings;
};

// A database's records with their keys, ascending by key, of a loaded set or of one read
// against it.
std::vector<CKeyedRecord> KeyedOf(const CVentryDoc& doc, Database database);
inline const std::vector<CKeyedRecord>& KeyedOf(const CComparedSet& set, Database database) {
    return set.Keyed(database);
}
