#pragma once

#include <cstddef>
#include <vector>

class CDocument;
class CFile;

// A buffered, one-direction byte stream on an open file. Errors come from CFile as
// CFileException.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    // Large enough that writing a maximal database costs a few hundred system calls.
    static constexpr std::size_t kDefaultBufferSize = 256 * 1024;

    CArchive(CFile* file, Mode mode, std::size_t bufferSize = kDefaultBufferSize);
    // Flushes nothing: a storing archive that was not closed lost its buffered bytes, which
    // is what an aborted save wants.
    ~CArchive() = default;
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_nMode == load; }
    bool IsStoring() const { return m_nMode == store; }
    CFile* GetFile() const { return m_pFile; }

    // Returns the number of bytes read: fewer than asked only at the end of the file.
    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* buffer, std::size_t count);
    void Flush();
    // Writes out what is buffered; the file stays open.
    void Close();

    CDocument* m_pDocument = nullptr;

private:
    CFile* m_pFile;
    Mode m_nMode;
    std::vector<char> m_buffer;
    std::size_t m_nBufferUsed = 0;  // storing: bytes waiting; loading: bytes filled
    std::size_t m_nBufferPos = 0;   // loading: next byte to hand out
};
