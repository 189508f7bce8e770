#include "RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// Far beyond any real database (65 536 of the largest records are 62 MB); a larger file is
// refused rather than read into memory.
constexpr std::uint64_t kMaxFileSize = std::uint64_t{1} << 30;
// Whole records per read: one buffer is reused, so loading touches little fresh memory.
constexpr std::size_t kChunkBytes = 256 * 1024;

bool ReadInChunks(std::size_t recordSize, std::uint64_t size, auto&& read, CRecordSink& sink) {
    sink.Expect(static_cast<std::size_t>(size / recordSize),
                static_cast<std::size_t>(size % recordSize));
    const std::size_t chunk = std::max<std::size_t>(1, kChunkBytes / recordSize) * recordSize;
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(chunk, size)));
    for (std::uint64_t left = size; left > 0;) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, left));
        if (read(buffer.data(), want) != want) {
            return false;
        }
        sink.Take(buffer.data(), want / recordSize);
        left -= want;
    }
    return true;
}

}  // namespace

bool ReadRecordFile(std::size_t recordSize, const std::string& fileName, CArchive* ar,
                    CRecordSink& sink, std::string& problem) {
    CFileStatus status;
    if (fileName.empty() || !CFile::GetStatus(fileName, status)) {
        return true;
    }
    if (status.m_size > kMaxFileSize) {
        problem = CFileException(fileName, EFBIG).Describe();
        return false;
    }
    if (ar) {
        return ReadInChunks(
            recordSize, status.m_size,
            [ar](std::uint8_t* buffer, std::size_t n) { return ar->Read(buffer, n); }, sink);
    }
    CFile file;
    CFileException error(fileName, 0);
    if (!file.Open(fileName, CFile::modeRead, &error)) {
        problem = error.Describe();
        return false;
    }
    try {
        if (!ReadInChunks(
                recordSize, status.m_size,
                [&file](std::uint8_t* buffer, std::size_t n) { return file.Read(buffer, n); },
                sink)) {
            problem = CFileException(fileName, ENODATA).Describe();
            return false;
        }
    } catch (const CFileException& e) {
        problem = e.Describe();
        return false;
    }
    return true;
}

void ReadRecordImage(std::size_t recordSize, std::span<const std::uint8_t> bytes,
                     CRecordSink& sink) {
    const std::size_t nRecords = bytes.size() / recordSize;
    sink.Expect(nRecords, bytes.size() % recordSize);
    sink.Take(bytes.data(), nRecords);
}
