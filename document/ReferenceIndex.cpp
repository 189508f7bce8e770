#include "ReferenceIndex.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "FieldText.h"
#include "RecordField.h"
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

auto ToOrder(const CReference& reference) {
    return std::make_tuple(reference.To(), reference.nToKey, reference.From(), reference.nFromKey);
}

}  // namespace

CReferenceIndex::CReferenceIndex(const CVentryDoc& doc) : m_doc(doc) {
    // A name finds the object that has it; of several, the last by index. The names are read
    // in place: the records stay where they are while the index is built.
    const CRecordTable& objects = doc.Records(Database::Object);
    std::unordered_map<std::string_view, std::uint16_t> objectsByName;
    objectsByName.reserve(objects.Count());
    objects.ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        objectsByName[TextView(pRecord, objects.NameOffset(), objects.NameWidth())] = nKey;
    });
    for (const RecordLink& link : kRecordLinks) {
        const CRecordTable& from = doc.Records(link.from);
        const LayoutField& field = from.Layout().Field(link.field);
        const std::vector<bool> targets =
            link.bByName ? std::vector<bool>() : KeysOf(doc.Records(link.to));
        from.ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
            for (std::uint16_t nElement = 0; nElement < field.nCount; ++nElement) {
                CReference reference{&link, nKey, nElement, 0, false};
                if (link.bByName) {
                    const auto found =
                        objectsByName.find(TextView(pRecord, field.nOffset, field.nWidth));
                    reference.bResolved = found != objectsByName.end();
                    reference.nToKey = reference.bResolved ? found->second : 0;
                } else {
                    reference.nToKey =
                        RecordField::Get<std::uint16_t>(pRecord, field.ElementOffset(nElement));
                    if (reference.nToKey == 0) {
                        continue;
                    }
                    reference.bResolved = targets[reference.nToKey];
                }
                m_references.push_back(reference);
            }
        });
    }
    std::stable_sort(
        m_references.begin(), m_references.end(),
        [](const CReference& a, const CReference& b) { return FromOrder(a) < FromOrder(b); });
    for (std::uint32_t i = 0; i < m_references.size(); ++i) {
        if (m_references[i].bResolved) {
            m_byTarget.push_back(i);
        }
    }
    std::stable_sort(m_byTarget.begin(), m_byTarget.end(),
                     [this](std::uint32_t a, std::uint32_t b) {
                         return ToOrder(m_references[a]) < ToOrder(m_references[b]);
                     });
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
