#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "NameMap.h"
#include "RecordLayout.h"

class CVentryDoc;

// The set as it is now and as a save would write it, for everything that reports on it (the
// set check, Where Used, the table, the tools): each record under the index it stores (a 3D
// object under its position), objects by their names as they are now, weapon entities by what
// their objects are now. The editors keep the maps of the last load instead (see CVentryDoc).
// Build it anew after the records change.
class CSetLookup {
public:
    explicit CSetLookup(const CVentryDoc& doc);

    // The index a record is written under.
    static std::uint16_t IndexOf(const RecordLayout& layout, std::uint16_t nKey,
                                 const std::uint8_t* pRecord);
    // Whether a lookup would be the same with either image of a record in the set: the same
    // index and, for an object, the same name and Object Type, for an entity the same Type Name.
    static bool FindsAlike(const RecordLayout& layout, const std::uint8_t* pOne,
                           const std::uint8_t* pOther);
    // The index the record under nKey is written under; nKey when there is no such record.
    std::uint16_t IndexOf(Database database, std::uint16_t nKey) const;

    // Whether a record of database is written under nIndex.
    bool HasIndex(Database database, std::uint16_t nIndex) const {
        return m_indices[static_cast<std::size_t>(database)][nIndex];
    }
    // The index of the object named name as a load finds it: of several, the last.
    std::optional<std::uint16_t> ObjectNamed(std::string_view name) const;
    // An entity whose Type Name names an object of Object Type 7 to 11.
    bool IsWeaponEntity(std::uint16_t nIndex) const { return m_weaponEntities[nIndex]; }

private:
    const CVentryDoc& m_doc;
    std::array<std::vector<bool>, kDatabaseCount> m_indices;
    std::vector<std::uint16_t> m_everyIndex;  // what the name map points into
    CNameMap<const std::uint16_t> m_objectsByName;
    std::vector<bool> m_weaponEntities;
};
