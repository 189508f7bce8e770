#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A failure of the file layer: the file it concerns and the system's reason.
class CFileException {
public:
    CFileException(std::string fileName, int osError)
        : m_strFileName(std::move(fileName)), m_lOsError(osError) {}

    const std::string& FileName() const { return m_strFileName; }
    int OsError() const { return m_lOsError; }
    // "path: reason", for messages to the user.
    std::string Describe() const;

private:
    std::string m_strFileName;
    int m_lOsError;
};

struct CFileStatus {
    std::uint64_t m_size = 0;
    bool m_bRegular = false;
};

// A binary file on a POSIX descriptor. Reads and writes throw CFileException on error; written
// bytes reach the file at the latest when Close returns.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0,
        modeWrite = 0x1,
        modeCreate = 0x1000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens a regular file; on failure fills *error (when given) and returns false.
    bool Open(const std::string& fileName, unsigned flags, CFileException* error = nullptr);
    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* buffer, std::size_t count);
    // Closes and reports a failed close (lost data on write) as an exception.
    void Close();
    // Closes without reporting anything; for cleanup after a failure.
    void Abort();
    bool IsOpen() const { return m_hFile >= 0; }
    // The name errors and readers see; a save's temporary carries its target's name.
    const std::string& GetFilePath() const { return m_strFileName; }
    void SetFilePath(std::string fileName) { m_strFileName = std::move(fileName); }

    // False when the file does not exist or its status cannot be read.
    static bool GetStatus(const std::string& fileName, CFileStatus& status);

private:
    void FlushWrites();

    int m_hFile = -1;
    std::string m_strFileName;
    // Writes are gathered here so that small archive buffers do not cost one system call each.
    std::vector<char> m_pendingWrites;
};
