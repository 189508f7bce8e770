#include "RecordStorage.h"

#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

namespace RecordStorage {

void* Allocate(std::size_t nBytes) {
    if (nBytes < kHugePage) {
        return ::operator new(nBytes);
    }
    const std::size_t nRounded = (nBytes + kHugePage - 1) / kHugePage * kHugePage;
    void* pStorage = std::aligned_alloc(kHugePage, nRounded);
    if (pStorage == nullptr) {
        throw std::bad_alloc();
    }
    // Only advice: without huge pages the block works all the same. The last, partly used
    // huge page would be cleared and held whole, so the part after the last full one stays
    // on small pages.
    ::madvise(pStorage, nBytes / kHugePage * kHugePage, MADV_HUGEPAGE);
    return pStorage;
}

void Free(void* pStorage, std::size_t nBytes) {
    if (nBytes < kHugePage) {
        ::operator delete(pStorage);
    } else {
        std::free(pStorage);
    }
}

}  // namespace RecordStorage
