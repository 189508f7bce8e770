#include "SetLookup.h"

#include <cstring>
#include <numeric>

#include "RecordField.h"
#include "RecordLayouts.h"
#include "Records.h"
#include "VentryDoc.h"

CSetLookup::CSetLookup(const CVentryDoc& doc)
    : m_doc(doc), m_everyIndex(std::size_t{1} << 16), m_weaponEntities(std::size_t{1} << 16) {
    std::iota(m_everyIndex.begin(), m_everyIndex.end(), 0);
    for (const RecordLayout* layout : kRecordLayouts) {
        std::vector<bool>& indices = m_indices[static_cast<std::size_t>(layout->database)];
        indices.assign(std::size_t{1} << 16, false);
        doc.Records(layout->database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
            indices[IndexOf(*layout, nKey, pRecord)] = true;
        });
    }
    const CRecordTable& objects = doc.Records(Database::Object);
    m_objectsByName.reserve(objects.Count());
    objects.ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        m_objectsByName[RecordField::GetTextView(pRecord, CObjectInfo::kNameOffset,
                                                 CObjectInfo::kNameWidth)] = &m_everyIndex[nKey];
    });
    const LayoutField& typeName = EntityField::kTypeName;
    doc.Records(Database::Entity).ForEach([&](std::uint16_t nKey, const std::uint8_t* pEntity) {
        const std::optional<std::uint16_t> nObject =
            ObjectNamed(RecordField::GetTextView(pEntity, typeName.nOffset, typeName.nWidth));
        if (!nObject) {
            return;
        }
        const auto nObjectType =
            RecordField::Get<std::int32_t>(objects.Find(*nObject), ObjectField::kObjectType);
        if (ObjectField::IsWeaponType(nObjectType)) {
            m_weaponEntities[IndexOf(EntityLayout::kLayout, nKey, pEntity)] = true;
        }
    });
}

std::uint16_t CSetLookup::IndexOf(const RecordLayout& layout, std::uint16_t nKey,
                                  const std::uint8_t* pRecord) {
    return layout.bIndexed ? RecordField::Get<std::uint16_t>(pRecord, layout.IndexField().nOffset)
                           : nKey;
}

bool CSetLookup::FindsAlike(const RecordLayout& layout, const std::uint8_t* pOne,
                            const std::uint8_t* pOther) {
    const auto same = [&](std::size_t nOffset, std::size_t nSize) {
        return std::memcmp(pOne + nOffset, pOther + nOffset, nSize) == 0;
    };
    if (layout.bIndexed && !same(layout.IndexField().nOffset, layout.IndexField().Size())) {
        return false;
    }
    if (layout.database == Database::Object) {
        return same(CObjectInfo::kNameOffset, CObjectInfo::kNameWidth) &&
               same(ObjectField::kObjectType, sizeof(std::int32_t));
    }
    if (layout.database == Database::Entity) {
        return same(EntityField::kTypeName.nOffset, EntityField::kTypeName.nWidth);
    }
    return true;
}

std::uint16_t CSetLookup::IndexOf(Database database, std::uint16_t nKey) const {
    const std::uint8_t* pRecord = m_doc.Records(database).Find(nKey);
    return pRecord == nullptr ? nKey : IndexOf(LayoutOf(database), nKey, pRecord);
}

std::optional<std::uint16_t> CSetLookup::ObjectNamed(std::string_view name) const {
    const auto found = m_objectsByName.find(name);
    return found == m_objectsByName.end() ? std::nullopt : std::optional(*found->second);
}
