#include "RecordFile.h"

#include <cerrno>
#include <cstring>

namespace {

CRecordFileContents ReadWhole(std::size_t recordSize, std::size_t size, auto&& read) {
    CRecordFileContents contents;
    contents.m_pBytes.reset(new std::uint8_t[size > 0 ? size : 1]);
    if (read(contents.m_pBytes.get(), size) == size) {
        contents.m_nRecords = size / recordSize;
    }
    return contents;
}

}  // namespace

CRecordFileContents ReadRecordFile(std::size_t recordSize, const std::string& fileName,
                                   CArchive* ar) {
    CFileStatus status;
    if (fileName.empty() || !CFile::GetStatus(fileName, status)) {
        return {};
    }
    if (ar) {
        return ReadWhole(recordSize, status.m_size,
                         [ar](std::uint8_t* buffer, std::size_t n) { return ar->Read(buffer, n); });
    }
    CFile file;
    CFileException error(fileName, 0);
    CRecordFileContents contents;
    if (!file.Open(fileName, CFile::modeRead, &error)) {
        contents.m_strProblem = error.Describe();
        return contents;
    }
    try {
        contents = ReadWhole(
            recordSize, status.m_size,
            [&file](std::uint8_t* buffer, std::size_t n) { return file.Read(buffer, n); });
        if (contents.m_nRecords == 0 && status.m_size >= recordSize) {
            contents.m_strProblem = fileName + ": " + std::strerror(ENODATA);
        }
    } catch (const CFileException& e) {
        contents = {};
        contents.m_strProblem = e.Describe();
    }
    return contents;
}
