#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Archive.h"
#include "core/Document.h"
#include "core/File.h"

// Reads a record file whole, in chunks of whole records, and hands every record to onRecord
// in file order. Returns false when the file gave no records because it could not be read
// whole; the caller then drops what onRecord collected. A missing file gives no records and
// no problem; one that exists but cannot be read sets problem to the file and the reason.
// With an archive (the object file) the bytes come through it and read errors are thrown.
// trailingBytes is set to the bytes after the last whole record.
bool ReadRecordFile(std::size_t recordSize, const std::string& fileName, CArchive* ar,
                    const std::function<void(const std::uint8_t* record)>& onRecord,
                    std::string& problem, std::size_t& trailingBytes);

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
