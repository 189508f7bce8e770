#include "ComparedSet.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "KeyTable.h"
#include "RecordFile.h"
#include "RecordLayouts.h"
#include "SetFileNames.h"
#include "SetLookup.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

namespace {

constexpr std::size_t kCopyBlock = std::size_t{64} << 10;
static_assert(std::ranges::all_of(kRecordLayouts, [](const RecordLayout* layout) {
    return layout->nRecordSize <= kCopyBlock;
}));

}  // namespace

// Keys the records of one file as a load does and shares what equals the reference's.
class CComparedSet::CComparingSink final : public CRecordSink {
public:
    CComparingSink(CComparedSet& set, const CRecordTable& reference)
        : m_set(set), m_layout(reference.Layout()), m_reference(reference.Keyed()) {}

    void Expect(std::size_t nRecords, std::size_t nTrailingBytes) override {
        m_read.reserve(nRecords);
        m_nTrailingBytes = nTrailingBytes;
    }
    void Take(const std::uint8_t* pRecords, std::size_t nRecords) override {
        const std::size_t nSize = m_layout.nRecordSize;
        for (std::size_t i = 0; i < nRecords; ++i) {
            const std::uint8_t* pRecord = pRecords + i * nSize;
            // The 3D object file has no index field: a record's key is its position.
            const std::uint16_t nKey =
                CSetLookup::IndexOf(m_layout, static_cast<std::uint16_t>(m_read.size()), pRecord);
            m_bAscending = m_bAscending && (m_read.empty() || m_read.back().nKey < nKey);
            const std::uint8_t* pLoaded = Loaded(nKey);
            m_read.push_back({nKey, pLoaded != nullptr && std::memcmp(pLoaded, pRecord, nSize) == 0
                                        ? pLoaded
                                        : m_set.Keep(pRecord, nSize)});
        }
    }

    // The records in file order, their keys ascending or not.
    std::vector<CKeyedRecord> m_read;
    bool m_bAscending = true;
    std::size_t m_nTrailingBytes = 0;

private:
    // The reference's record under nKey, null when it has none. Files mostly hold their
    // records in key order, as the reference does: the search starts where the last ended.
    const std::uint8_t* Loaded(std::uint16_t nKey) {
        if (m_nNext >= m_reference.size() || m_reference[m_nNext].nKey != nKey) {
            m_nNext = static_cast<std::size_t>(
                std::ranges::lower_bound(m_reference, nKey, {}, &CKeyedRecord::nKey) -
                m_reference.begin());
            if (m_nNext == m_reference.size() || m_reference[m_nNext].nKey != nKey) {
                return nullptr;
            }
        }
        return m_reference[m_nNext++].pRecord;
    }

    CComparedSet& m_set;
    const RecordLayout& m_layout;
    const std::vector<CKeyedRecord> m_reference;
    std::size_t m_nNext = 0;
};

void CComparedSet::DeleteContents() {
    m_keyed = {};
    m_copies.clear();
    m_nCopyRoom = 0;
    m_loadFindings = {};
}

void CComparedSet::Serialize(CArchive& ar) {
    const std::string objectFile = ar.GetFile()->GetFilePath();
    if (!SetFileNames::HasKnownObjectExtension(objectFile)) {
        AfxMessageBox(CVentryDoc::kNamesFailedMessage);
        throw CUserException();
    }
    for (const RecordLayout* layout : kRecordLayouts) {
        const Database database = layout->database;
        const std::string file = SetFileNames::DatabaseFileOf(objectFile, database);
        CComparingSink sink(*this, m_reference.Records(database));
        std::string problem;
        const bool bRead = ReadRecordFile(
            layout->nRecordSize, file, database == Database::Object ? &ar : nullptr, sink, problem);
        if (!problem.empty()) {
            m_loadFindings.unreadableFiles.push_back(problem);
        }
        if (!bRead) {
            continue;
        }
        std::vector<CKeyedRecord>& keyed = m_keyed[static_cast<std::size_t>(database)];
        if (sink.m_bAscending) {
            m_loadFindings.NoteRead(database, file, sink.m_nTrailingBytes, {});
            keyed = std::move(sink.m_read);
            continue;
        }
        // Keyed as a load keys them; the table's values are the places of the record pointers.
        std::vector<std::uint16_t> keys;
        keys.reserve(sink.m_read.size());
        for (const CKeyedRecord& record : sink.m_read) {
            keys.push_back(record.nKey);
        }
        CKeyTable table;
        const auto replaced = table.Fill(keys, &sink.m_read.front().pRecord, sizeof(CKeyedRecord));
        m_loadFindings.NoteRead(database, file, sink.m_nTrailingBytes, replaced);
        keyed.reserve(table.Size());
        for (std::size_t i = 0; i < table.Size(); ++i) {
            keyed.push_back(
                {table.KeyAt(i), *static_cast<const std::uint8_t* const*>(table.ValueAt(i))});
        }
    }
}

std::vector<CKeyedRecord> KeyedOf(const CVentryDoc& doc, Database database) {
    return doc.Records(database).Keyed();
}

const std::uint8_t* CComparedSet::Keep(const std::uint8_t* pRecord, std::size_t nSize) {
    if (m_nCopyRoom < nSize) {
        m_copies.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(kCopyBlock));
        m_nCopyRoom = kCopyBlock;
    }
    std::uint8_t* pCopy = m_copies.back().get() + (kCopyBlock - m_nCopyRoom);
    std::memcpy(pCopy, pRecord, nSize);
    m_nCopyRoom -= nSize;
    return pCopy;
}
