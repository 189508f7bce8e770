#pragma once

#include <cstddef>

class CVentryDoc;

// Fills an empty document with count records in every database, keys 0 to count - 1, for
// benchmarks and stress tests. Each record is a copy of a demo record picked by a fixed
// pseudo-random sequence, so the bytes look like real data, and gets its key as index and a
// name of its own ("Halvard-00042"). Records that find their object by name (an entity's Type
// Name, a launcher's or profile's Name, ...) name the object with the same key, so those links
// resolve and the weapon entity map fills as they would with real data.
class CSyntheticSetBuilder {
public:
    static constexpr std::size_t kMaxCount = 65536;

    CSyntheticSetBuilder(CVentryDoc& doc, std::size_t count) : m_doc(doc), m_nCount(count) {}

    void Build();

private:
    CVentryDoc& m_doc;
    std::size_t m_nCount;
};
