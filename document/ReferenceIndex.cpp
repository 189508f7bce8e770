#include "ReferenceIndex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <string_view>
#include <tuple>

#include "FieldText.h"
#include "NameMap.h"
#include "RecordField.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

namespace {

auto FromOrder(const CReference& reference) {
    return std::make_tuple(reference.From(), reference.nFromKey);
}

// The text of a field as it stands in the record, up to its terminator.
std::string_view TextView(const std::uint8_t* pRecord, std::size_t nOffset, std::size_t nWidth) {
    const auto* pText = reinterpret_cast<const char*>(pRecord + nOffset);
    return {pText, strnlen(pText, nWidth)};
}

// Which keys the table has, for looking each up at once.
std::vector<bool> KeysOf(const CRecordTable& table) {
    std::vector<bool> keys(65536, false);
    table.ForEach([&](std::uint16_t nKey, const std::uint8_t*) { keys[nKey] = true; });
    return keys;
}

}  // namespace

CReferenceIndex::CReferenceIndex(const CVentryDoc& doc) : m_doc(doc) {
    // A name finds the object that has it; of several, the last by index. The names are read
    // in place: the records stay where they are while the index is built.
    const CRecordTable& objects = doc.Records(Database::Object);
    // The map points into a table of every key, as it maps names to pointers.
    std::vector<std::uint16_t> everyKey(65536);
    std::iota(everyKey.begin(), everyKey.end(), 0);
    CNameMap<const std::uint16_t> objectsByName;
    objectsByName.reserve(objects.Count());
    objects.ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        objectsByName[TextView(pRecord, objects.NameOffset(), objects.NameWidth())] =
            &everyKey[nKey];
    });
    std::array<std::vector<bool>, kDatabaseCount> keys;
    for (const RecordLink& link : kRecordLinks) {
        if (!link.bByName && keys[static_cast<std::size_t>(link.to)].empty()) {
            keys[static_cast<std::size_t>(link.to)] = KeysOf(doc.Records(link.to));
        }
    }
    // Walked by referring database and key, each record's links in their order, so that the
    // references come out in the order From needs.
    for (const RecordLayout* layout : kRecordLayouts) {
        doc.Records(layout->database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
            for (const RecordLink& link : kRecordLinks) {
                if (link.from != layout->database) {
                    continue;
                }
                const LayoutField& field = layout->Field(link.field);
                for (std::uint16_t nElement = 0; nElement < field.nCount; ++nElement) {
                    CReference reference{&link, nKey, nElement, 0, false};
                    if (link.bByName) {
                        const auto found =
                            objectsByName.find(TextView(pRecord, field.nOffset, field.nWidth));
                        reference.bResolved = found != objectsByName.end();
                        reference.nToKey = reference.bResolved ? *found->second : 0;
                    } else {
                        reference.nToKey =
                            RecordField::Get<std::uint16_t>(pRecord, field.ElementOffset(nElement));
                        if (reference.nToKey == 0) {
                            continue;
                        }
                        reference.bResolved =
                            keys[static_cast<std::size_t>(link.to)][reference.nToKey];
                    }
                    m_references.push_back(reference);
                }
            }
        });
    }
    // A counting sort by target keeps the referring order among the references to a record.
    const auto slotOf = [](const CReference& r) {
        return static_cast<std::size_t>(r.To()) * 65536 + r.nToKey;
    };
    std::vector<std::uint32_t> firstOfSlot(kDatabaseCount * 65536 + 1, 0);
    for (const CReference& reference : m_references) {
        firstOfSlot[slotOf(reference) + 1] += reference.bResolved ? 1 : 0;
    }
    std::partial_sum(firstOfSlot.begin(), firstOfSlot.end(), firstOfSlot.begin());
    m_byTarget.resize(firstOfSlot.back());
    for (std::uint32_t i = 0; i < m_references.size(); ++i) {
        if (m_references[i].bResolved) {
            m_byTarget[firstOfSlot[slotOf(m_references[i])]++] = i;
        }
    }
}

std::vector<CReference> CReferenceIndex::From(Database database, std::uint16_t nKey) const {
    const auto key = std::make_tuple(database, nKey);
    const auto first =
        std::partition_point(m_references.begin(), m_references.end(),
                             [&](const CReference& r) { return FromOrder(r) < key; });
    const auto last = std::partition_point(
        first, m_references.end(), [&](const CReference& r) { return FromOrder(r) <= key; });
    return {first, last};
}

std::vector<CReference> CReferenceIndex::To(Database database, std::uint16_t nKey) const {
    const auto target = std::make_tuple(database, nKey);
    const auto first =
        std::partition_point(m_byTarget.begin(), m_byTarget.end(), [&](std::uint32_t i) {
            return std::make_tuple(m_references[i].To(), m_references[i].nToKey) < target;
        });
    std::vector<CReference> found;
    for (auto it = first;
         it != m_byTarget.end() &&
         std::make_tuple(m_references[*it].To(), m_references[*it].nToKey) == target;
         ++it) {
        found.push_back(m_references[*it]);
    }
    return found;
}

std::string CReferenceIndex::FieldName(const CReference& reference) {
    const LayoutField& field = LayoutOf(reference.From()).Field(reference.pLink->field);
    std::string name(field.name);
    if (field.nCount > 1) {
        name += '_';
        name += std::to_string(reference.nElement + 1);
    }
    return name;
}

std::string CReferenceIndex::Target(const CReference& reference) const {
    const std::uint8_t* pRecord = m_doc.Records(reference.From()).Find(reference.nFromKey);
    const LayoutField& field = LayoutOf(reference.From()).Field(reference.pLink->field);
    if (reference.pLink->bByName) {
        return Latin1ToUtf8(RecordField::GetText(pRecord, field.nOffset, field.nWidth));
    }
    return std::to_string(
        RecordField::Get<std::int16_t>(pRecord, field.ElementOffset(reference.nElement)));
}
