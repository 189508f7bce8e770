#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RecordLinks.h"
#include "SetLookup.h"

class CVentryDoc;

// One reference of one record: the element of a linking field and the record it names.
struct CReference {
    const RecordLink* pLink;
    std::uint16_t nFromKey;
    std::uint16_t nElement;
    std::uint16_t nToIndex;  // the index the reference names; for a name link, the object's
    bool bResolved;

    Database From() const { return pLink->from; }
    Database To() const { return pLink->to; }
};

// Every reference of a set as it is in memory, both ways: what a record refers to and which
// records refer to it. References resolve as a load of the saved set would resolve them: by
// the indices records store and the objects' names as they are now (CSetLookup). Referring
// records are named by their keys, so that they open in their editors. Build it anew after
// the records change.
class CReferenceIndex {
public:
    explicit CReferenceIndex(const CVentryDoc& doc);

    // What the record refers to, in the order of the links and their elements; references
    // that name nothing included.
    std::vector<CReference> From(Database database, std::uint16_t nKey) const;
    // The resolved references to the record written under nIndex, by referring database and
    // key.
    std::vector<CReference> To(Database database, std::uint16_t nIndex) const;
    const CSetLookup& Lookup() const { return m_lookup; }

    // The column name of the reference's field: "sensor_slots_3", "type_name".
    static std::string FieldName(const CReference& reference);
    // What the reference holds as a person reads it: the index (signed) or the name.
    std::string Target(const CReference& reference) const;
    // The same, read from the bytes of the referring record.
    static std::string Target(const CReference& reference, const std::uint8_t* pFrom);
    // Appends the references of one record, in the order of its links and their elements.
    static void AppendReferences(const CSetLookup& lookup, const RecordLayout& layout,
                                 std::uint16_t nKey, const std::uint8_t* pRecord,
                                 std::vector<CReference>& references);

private:
    void CollectReferences(const RecordLayout& layout, std::vector<CReference>& references) const;

    const CVentryDoc& m_doc;
    CSetLookup m_lookup;
    std::vector<CReference> m_references;   // by referring database and key
    std::vector<std::uint32_t> m_byTarget;  // positions in m_references, by target
};
