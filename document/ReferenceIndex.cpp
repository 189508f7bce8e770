#include "ReferenceIndex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <string_view>
#include <tuple>

#include "FieldText.h"
#include "ParallelFor.h"
#include "RecordField.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

namespace {

auto FromOrder(const CReference& reference) {
    return std::make_tuple(reference.From(), reference.nFromKey);
}

}  // namespace

CReferenceIndex::CReferenceIndex(const CVentryDoc& doc) : m_doc(doc), m_lookup(doc) {
    // Each database's references on a thread of their own, joined in the order of the
    // databases: the order From needs.
    m_references = ParallelJoin<CReference>(
        kDatabaseCount, [this](std::size_t i, std::vector<CReference>& references) {
            CollectReferences(*kRecordLayouts[i], references);
        });
    // A counting sort by target keeps the referring order among the references to a record.
    const auto slotOf = [](const CReference& r) {
        return static_cast<std::size_t>(r.To()) * 65536 + r.nToIndex;
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

// Each record's links in their order, by key.
void CReferenceIndex::CollectReferences(const RecordLayout& layout,
                                        std::vector<CReference>& references) const {
    m_doc.Records(layout.database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        AppendReferences(m_lookup, layout, nKey, pRecord, references);
    });
}

void CReferenceIndex::AppendReferences(const CSetLookup& lookup, const RecordLayout& layout,
                                       std::uint16_t nKey, const std::uint8_t* pRecord,
                                       std::vector<CReference>& references) {
    for (const RecordLink& link : kRecordLinks) {
        if (link.from != layout.database) {
            continue;
        }
        const LayoutField& field = layout.Field(link.field);
        for (std::uint16_t nElement = 0; nElement < field.nCount; ++nElement) {
            CReference reference{&link, nKey, nElement, 0, false};
            if (link.bByName) {
                const std::optional<std::uint16_t> nObject = lookup.ObjectNamed(
                    RecordField::GetTextView(pRecord, field.nOffset, field.nWidth));
                reference.bResolved = nObject.has_value();
                reference.nToIndex = nObject.value_or(0);
            } else {
                reference.nToIndex =
                    RecordField::Get<std::uint16_t>(pRecord, field.ElementOffset(nElement));
                if (reference.nToIndex == 0) {
                    continue;
                }
                reference.bResolved = lookup.HasIndex(link.to, reference.nToIndex);
            }
            references.push_back(reference);
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
            return std::make_tuple(m_references[i].To(), m_references[i].nToIndex) < target;
        });
    std::vector<CReference> found;
    for (auto it = first;
         it != m_byTarget.end() &&
         std::make_tuple(m_references[*it].To(), m_references[*it].nToIndex) == target;
         ++it) {
        found.push_back(m_references[*it]);
    }
    return found;
}

std::string CReferenceIndex::FieldName(const CReference& reference) {
    return ColumnName(LayoutOf(reference.From()).Field(reference.pLink->field), reference.nElement);
}

std::string CReferenceIndex::Target(const CReference& reference) const {
    return Target(reference, m_doc.Records(reference.From()).Find(reference.nFromKey));
}

std::string CReferenceIndex::Target(const CReference& reference, const std::uint8_t* pFrom) {
    const LayoutField& field = LayoutOf(reference.From()).Field(reference.pLink->field);
    if (reference.pLink->bByName) {
        return Latin1ToUtf8(RecordField::GetText(pFrom, field.nOffset, field.nWidth));
    }
    return std::to_string(
        RecordField::Get<std::int16_t>(pFrom, field.ElementOffset(reference.nElement)));
}
