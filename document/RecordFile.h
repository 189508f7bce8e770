#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/Archive.h"
#include "core/Document.h"
#include "core/File.h"

// Takes the records of one record file: first how many whole records it holds and how many
// bytes follow the last of them, then those records in file order, in one or more runs.
class CRecordSink {
public:
    virtual void Expect(std::size_t nRecords, std::size_t nTrailingBytes) = 0;
    virtual void Take(const std::uint8_t* pRecords, std::size_t nRecords) = 0;

protected:
    ~CRecordSink() = default;
};

// Reads a record file whole, in chunks of whole records, into sink. Returns false when the
// file gave no records because it could not be read whole; the caller then drops what the
// sink took. A missing file gives no records and no problem; one that exists but cannot be
// read sets problem to the file and the reason. With an archive (the object file) the bytes
// come through it and read errors are thrown.
bool ReadRecordFile(std::size_t recordSize, const std::string& fileName, CArchive* ar,
                    CRecordSink& sink, std::string& problem);

// The same for a record file's bytes in memory.
void ReadRecordImage(std::size_t recordSize, std::span<const std::uint8_t> bytes,
                     CRecordSink& sink);

// Creates fileName through the document and writes the records of an index map in its
// order. Throws CFileException when the file cannot be created or written.
template <class TIndexMap>
void WriteRecordFile(CDocument& doc, const std::string& fileName, const TIndexMap& map) {
    CFileException error(fileName, 0);
    std::unique_ptr<CFile> file =
        doc.GetFile(fileName, CFile::modeCreate | CFile::modeWrite, &error);
    if (!file) {
        throw error;
    }
    CArchive ar(file.get(), CArchive::store);
    ar.m_pDocument = &doc;
    for (const auto& entry : map) {
        entry.second->Serialize(ar);
    }
    ar.Close();
    doc.ReleaseFile(std::move(file), false);
}
