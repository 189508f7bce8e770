#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A failure of the file layer: the file it concerns, the system's reason, and optionally what
// it left behind (a save that could not put everything back says where the old files are).
class CFileException {
public:
    CFileException(std::string fileName, int osError, std::string note = {})
        : m_strFileName(std::move(fileName)), m_lOsError(osError), m_strNote(std::move(note)) {}

    const std::string& FileName() const { return m_strFileName; }
    int OsError() const { return m_lOsError; }
    // "path: reason", and the note on a line of its own, for messages to the user.
    std::string Describe() const;

private:
    std::string m_strFileName;
    int m_lOsError;
    std::string m_strNote;
};

struct CFileStatus {
    std::uint64_t m_size = 0;
    bool m_bRegular = false;
    // Which file this is and which version of it: a rename puts another file under the name, a
    // write changes the modification time.
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
    std::int64_t m_nModifiedNs = 0;

    bool IsSameVersion(const CFileStatus& other) const {
        return m_nDevice == other.m_nDevice && m_nInode == other.m_nInode &&
               m_size == other.m_size && m_nModifiedNs == other.m_nModifiedNs &&
               m_bRegular == other.m_bRegular;
    }
};

// The steps of the file layer that can fail on their own. Flush is an fsync, of a file or of
// a directory.
enum class CFileStep { Open, Write, Flush, Close, Rename, Link, Copy, MakeDirectory, Remove };

// Lets tests make steps of the file layer fail: the handler sees every step before it runs
// and returns an errno for it to fail with, or 0. An empty handler, the program's state, lets
// every step run. Returns the previous handler.
using CFileFaultHandler = std::function<int(CFileStep step, const std::string& path)>;
CFileFaultHandler AfxSetFileFaultHandler(CFileFaultHandler handler);

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
    // Writes out what is gathered and waits until the file's bytes are on the disk.
    void Flush();
    // Hands what is gathered to the system without waiting for the disk: enough for another
    // process to read it, even after this one was killed.
    void FlushWrites();
    // Lets the disk start on the file's bytes without waiting for them, so that a later Flush
    // has less left to wait for. Only a hint: nothing fails here.
    void StartFlush();
    // Appends count bytes of source, from its current position, in the kernel where it can.
    void CopyFrom(CFile& source, std::uint64_t count);
    // Closes and reports a failed close (lost data on write) as an exception.
    void Close();
    // Closes without reporting anything; for cleanup after a failure.
    void Abort();
    bool IsOpen() const { return m_hFile >= 0; }
    // The name errors and readers see; a save's temporary carries its target's name.
    const std::string& GetFilePath() const { return m_strFileName; }
    void SetFilePath(std::string fileName) { m_strFileName = std::move(fileName); }
    // The status of the open file, whatever has happened to its name since; false on failure.
    bool GetStatus(CFileStatus& status) const;

    // False when the file does not exist or its status cannot be read.
    static bool GetStatus(const std::string& fileName, CFileStatus& status);
    // The whole of a regular file; throws CFileException, EFBIG when it is longer than nMaxSize.
    static void ReadAll(const std::string& fileName, std::string& content,
                        std::uint64_t nMaxSize = UINT64_MAX);
    static void ReadAll(const std::string& fileName, std::vector<std::uint8_t>& content);

    // The file system operations of a save. All throw CFileException naming the path they
    // create or change.
    static void Rename(const std::string& from, const std::string& to);
    static void Link(const std::string& existing, const std::string& newName);
    // Creates newName with the bytes of existing and flushes it.
    static void Copy(const std::string& existing, const std::string& newName);
    static void MakeDirectory(const std::string& path);
    // Makes the directory's entries (renames, new and removed files) durable.
    static void FlushDirectory(const std::string& path);
    // Flushes files and directories side by side, so that the disk takes them in as few rounds
    // as it can; throws the first failure in the order given once every flush has ended.
    static void FlushAll(const std::vector<CFile*>& files,
                         const std::vector<std::string>& directories);
    // The directory that holds path: "." for a bare name, "/" for an entry of the root.
    static std::string DirectoryOf(const std::string& path);
    // The last part of path: "object.eod".
    static std::string FileNameOf(const std::string& path);
    // Removes a file; false when it could not (cleanup goes on regardless).
    static bool Remove(const std::string& path);

private:
    int m_hFile = -1;
    std::string m_strFileName;
    // Writes are gathered here so that small archive buffers do not cost one system call each.
    std::vector<char> m_pendingWrites;
};
