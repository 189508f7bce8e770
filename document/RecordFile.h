#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Archive.h"
#include "core/Document.h"
#include "core/File.h"

// The whole of one record file, read in one piece.
struct CRecordFileContents {
    std::unique_ptr<std::uint8_t[]> m_pBytes;
    std::size_t m_nRecords = 0;  // whole records; trailing bytes are ignored
    std::string m_strProblem;    // why a file that exists gave no records; empty otherwise

    const std::uint8_t* Record(std::size_t i, std::size_t recordSize) const {
        return m_pBytes.get() + i * recordSize;
    }
};

// Reads a record file whole. A missing file is an empty database; one that exists but cannot
// be read is empty too, with m_strProblem saying why. With an archive (the object file) the
// bytes come through it and a read error is thrown.
CRecordFileContents ReadRecordFile(std::size_t recordSize, const std::string& fileName,
                                   CArchive* ar = nullptr);

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
