// Feeds arbitrary bytes to the set loader as the ten files of a set, in memory, then stores
// what loaded and checks that every stored file holds exactly its database, in index order
// without a duplicate index.
//
// Input: ten little-endian 16-bit lengths, one per record file in database order, then the
// files' bytes one after another (a file gets what is left when the input runs short).

#include <cstddef>
#include <cstdint>

#include "RecordField.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

namespace {

class CSilentServices final : public CAppServices {
public:
    int DoMessageBox(const std::string&, unsigned) override { return IDOK; }
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}
};

void Expect(bool bHolds) {
    if (!bHolds) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CSilentServices services;
    AfxSetAppServices(&services);

    CSetView files;
    const std::size_t header = kDatabaseCount * 2;
    std::size_t offset = header < size ? header : size;
    for (std::size_t i = 0; i < kDatabaseCount; ++i) {
        const std::size_t length = 2 * i + 1 < size ? (data[2 * i] | data[2 * i + 1] << 8) : 0;
        const std::size_t n = length < size - offset ? length : size - offset;
        files[i] = {data + offset, n};
        offset += n;
    }

    // One document for every run, as the program keeps one for every set it opens.
    static CVentryDoc doc;
    doc.LoadFromMemory(files);
    static CSetImage stored;
    doc.StoreToMemory(stored);
    for (const RecordLayout* layout : kRecordLayouts) {
        const std::vector<std::uint8_t>& bytes = stored[static_cast<std::size_t>(layout->database)];
        const std::size_t nSize = layout->nRecordSize;
        Expect(bytes.size() == doc.Records(layout->database).Count() * nSize);
        for (std::size_t at = nSize; layout->bIndexed && at < bytes.size(); at += nSize) {
            Expect(RecordField::Get<std::uint16_t>(bytes.data(), at - nSize) <
                   RecordField::Get<std::uint16_t>(bytes.data(), at));
        }
    }
    return 0;
}
