#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RecordLinks.h"

class CVentryDoc;

// One reference of one record: the element of a linking field and the record it names.
struct CReference {
    const RecordLink* pLink;
    std::uint16_t nFromKey;
    std::uint16_t nElement;
    std::uint16_t nToKey;  // for a name link: the key of the object of that name
    bool bResolved;

    Database From() const { return pLink->from; }
    Database To() const { return pLink->to; }
};

// Every reference of a set as it is in memory, both ways: what a record refers to and which
// records refer to it. Name links follow the objects' names as they are now, not as they were
// loaded. Build it anew after the records change.
class CReferenceIndex {
public:
    explicit CReferenceIndex(const CVentryDoc& doc);

    // What the record refers to, in the order of the links and their elements; references
    // that name nothing included.
    std::vector<CReference> From(Database database, std::uint16_t nKey) const;
    // The resolved references to the record, by referring database and key.
    std::vector<CReference> To(Database database, std::uint16_t nKey) const;
    const std::vector<CReference>& All() const { return m_references; }

    // The column name of the reference's field: "sensor_slots_3", "type_name".
    static std::string FieldName(const CReference& reference);
    // What the reference holds as a person reads it: the index (signed) or the name.
    std::string Target(const CReference& reference) const;

private:
    const CVentryDoc& m_doc;
    std::vector<CReference> m_references;   // by referring database and key
    std::vector<std::uint32_t> m_byTarget;  // positions in m_references, by target
};
