#pragma once

#include <cstddef>

// Raw storage for blocks of records. Large blocks are asked to live on huge pages: a
// maximal set then costs a few hundred page faults to fill and to give back instead of tens
// of thousands.
namespace RecordStorage {

void* Allocate(std::size_t nBytes);
void Free(void* pStorage, std::size_t nBytes);

}  // namespace RecordStorage
