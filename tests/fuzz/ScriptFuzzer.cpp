// Runs arbitrary text as a script over a small set of three records per database, with small
// limits. A failed script must say why and change nothing; a change must fit the set, show as
// differences, and its inverse must give back the set's bytes exactly.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FieldKindVisit.h"
#include "RecordLayouts.h"
#include "ScriptRun.h"
#include "SetDiff.h"
#include "VentryDoc.h"

namespace {

void Expect(bool bHolds) {
    if (!bHolds) {
        __builtin_trap();
    }
}

// Records of every byte value, so texts run to their end, floats include NaNs and infinities,
// and integers reach their limits; indices 1 to 3 (3D objects: positions 0 to 2).
CSetImage MakeSet() {
    CSetImage files;
    for (const RecordLayout* layout : kRecordLayouts) {
        std::vector<std::uint8_t>& bytes = files[static_cast<std::size_t>(layout->database)];
        for (std::uint16_t nIndex = 1; nIndex <= 3; ++nIndex) {
            const std::size_t nStart = bytes.size();
            for (std::size_t i = 0; i < layout->nRecordSize; ++i) {
                bytes.push_back(static_cast<std::uint8_t>(i * 37 + nIndex * 101));
            }
            if (layout->bIndexed) {
                const LayoutField& index = layout->Field("index");
                WriteInteger(index.kind, bytes.data() + nStart + index.nOffset, nIndex);
            }
        }
    }
    return files;
}

CSetView ViewOf(const CSetImage& files) {
    CSetView view;
    for (std::size_t i = 0; i < kDatabaseCount; ++i) {
        view[i] = files[i];
    }
    return view;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CSetImage original = MakeSet();
    // One document for every run, loaded afresh, as the program keeps one for every set.
    static CVentryDoc doc;
    doc.LoadFromMemory(ViewOf(original));
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CScriptResult result =
        RunScript(doc, text, "fuzz.lua", {200'000, 16 << 20}, [](std::string_view) {});
    if (!result.bSucceeded) {
        Expect(!result.strError.empty() && result.change.IsEmpty());
        return 0;
    }
    Expect(DiffChange(result.change, [](const CSetDifference&) {}) != result.change.IsEmpty());
    if (result.change.IsEmpty()) {
        return 0;
    }
    doc.ApplyChange(result.change);
    for (const CRecordChange& record : result.change.Records()) {
        const std::uint8_t* pStored = doc.Records(record.database).Find(record.nKey);
        Expect(pStored != nullptr && std::equal(record.after.begin(), record.after.end(), pStored));
    }
    doc.ApplyChange(result.change.Inverse());
    static CSetImage stored;
    doc.StoreToMemory(stored);
    Expect(stored == original);
    return 0;
}
