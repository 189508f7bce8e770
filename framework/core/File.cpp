#include "File.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteBehindBytes = 64 * 1024;
// One kernel copy call moves at most this much, so a test's fault can land between calls.
constexpr std::uint64_t kCopyStepBytes = std::uint64_t{1} << 30;

CFileFaultHandler& FaultHandler() {
    static CFileFaultHandler handler;
    return handler;
}

// The errno a test wants the step to fail with; 0 in the program.
int Fault(CFileStep step, const std::string& path) {
    const CFileFaultHandler& handler = FaultHandler();
    return handler ? handler(step, path) : 0;
}

void ThrowOnFault(CFileStep step, const std::string& path) {
    if (const int error = Fault(step, path)) {
        throw CFileException(path, error);
    }
}

void FillStatus(const struct stat& st, CFileStatus& status) {
    status.m_size = static_cast<std::uint64_t>(st.st_size);
    status.m_bRegular = S_ISREG(st.st_mode);
    status.m_nDevice = static_cast<std::uint64_t>(st.st_dev);
    status.m_nInode = static_cast<std::uint64_t>(st.st_ino);
    status.m_nModifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

// The kernel refuses to copy between these files, so the bytes go through our memory.
bool NeedsUserCopy(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// The errno of an fsync of fd, 0 when it succeeded.
int SyncDescriptor(int fd) {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

int SyncDirectory(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int error = SyncDescriptor(fd);
    ::close(fd);
    // Some file systems cannot flush a directory; their entries are as durable as it gets.
    return error == EINVAL ? 0 : error;
}

}  // namespace

CFileFaultHandler AfxSetFileFaultHandler(CFileFaultHandler handler) {
    CFileFaultHandler previous = std::move(FaultHandler());
    FaultHandler() = std::move(handler);
    return previous;
}

std::string CFileException::Describe() const {
    std::string text = m_strFileName + ": " + std::strerror(m_lOsError);
    if (!m_strNote.empty()) {
        text += '\n' + m_strNote;
    }
    return text;
}

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& fileName, unsigned flags, CFileException* error) {
    Abort();
    int osFlags = (flags & modeWrite) ? O_WRONLY : O_RDONLY;
    if (flags & modeCreate) {
        osFlags |= O_CREAT | O_TRUNC;
    }
    int failure = (flags & modeWrite) ? Fault(CFileStep::Open, fileName) : 0;
    // Non-blocking open, so a FIFO or device in place of a record file cannot hang us; only
    // regular files are accepted.
    const int fd =
        failure != 0 ? -1 : ::open(fileName.c_str(), osFlags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0 && failure == 0) {
        failure = errno;
    }
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            failure = errno;
        } else if (!S_ISREG(st.st_mode)) {
            failure = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
            failure = errno;
        }
        if (failure != 0) {
            ::close(fd);
        }
    }
    if (failure != 0) {
        if (error) {
            *error = CFileException(fileName, failure);
        }
        return false;
    }
    m_hFile = fd;
    m_strFileName = fileName;
    if (flags & modeWrite) {
        m_pendingWrites.reserve(kWriteBehindBytes);
    }
    return true;
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_hFile, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw CFileException(m_strFileName, errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
    const auto* in = static_cast<const char*>(buffer);
    if (m_pendingWrites.size() + count > kWriteBehindBytes) {
        FlushWrites();
    }
    if (count >= kWriteBehindBytes) {
        m_pendingWrites.assign(in, in + count);
        FlushWrites();
        return;
    }
    m_pendingWrites.insert(m_pendingWrites.end(), in, in + count);
}

void CFile::FlushWrites() {
    const char* in = m_pendingWrites.data();
    std::size_t count = m_pendingWrites.size();
    while (count > 0) {
        const int fault = Fault(CFileStep::Write, m_strFileName);
        const ssize_t n = fault != 0 ? -1 : ::write(m_hFile, in, count);
        if (n < 0) {
            const int error = fault != 0 ? fault : errno;
            if (error == EINTR) {
                continue;
            }
            m_pendingWrites.clear();
            throw CFileException(m_strFileName, error);
        }
        in += n;
        count -= static_cast<std::size_t>(n);
    }
    m_pendingWrites.clear();
}

void CFile::Flush() {
    FlushWrites();
    ThrowOnFault(CFileStep::Flush, m_strFileName);
    if (const int error = SyncDescriptor(m_hFile)) {
        throw CFileException(m_strFileName, error);
    }
}

void CFile::FlushAll(const std::vector<CFile*>& files,
                     const std::vector<std::string>& directories) {
    // Each step is announced in turn, as if they ran one after another.
    for (CFile* file : files) {
        file->FlushWrites();
        ThrowOnFault(CFileStep::Flush, file->m_strFileName);
    }
    for (const std::string& directory : directories) {
        ThrowOnFault(CFileStep::Flush, directory);
    }
    const std::size_t nCount = files.size() + directories.size();
    std::vector<int> errors(nCount);
    const auto flush = [&](std::size_t i) {
        errors[i] = i < files.size() ? SyncDescriptor(files[i]->m_hFile)
                                     : SyncDirectory(directories[i - files.size()]);
    };
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < nCount; ++i) {
        try {
            threads.emplace_back(flush, i);
        } catch (const std::system_error&) {
            flush(i);  // no thread to spare: in turn then
        }
    }
    if (nCount > 0) {
        flush(0);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < nCount; ++i) {
        if (errors[i] != 0) {
            throw CFileException(
                i < files.size() ? files[i]->m_strFileName : directories[i - files.size()],
                errors[i]);
        }
    }
}

void CFile::StartFlush() {
    FlushWrites();
    ::sync_file_range(m_hFile, 0, 0, SYNC_FILE_RANGE_WRITE);
}

void CFile::CopyFrom(CFile& source, std::uint64_t count) {
    FlushWrites();
    bool bInKernel = true;
    std::vector<char> buffer;
    while (count > 0) {
        ThrowOnFault(CFileStep::Copy, m_strFileName);
        const std::uint64_t step = std::min(count, kCopyStepBytes);
        std::uint64_t done = 0;
        if (bInKernel) {
            const ssize_t n = ::copy_file_range(source.m_hFile, nullptr, m_hFile, nullptr,
                                                static_cast<std::size_t>(step), 0);
            if (n < 0) {
                if (errno != EINTR && !NeedsUserCopy(errno)) {
                    throw CFileException(m_strFileName, errno);
                }
                bInKernel = errno == EINTR;
                continue;
            }
            done = static_cast<std::uint64_t>(n);
        } else {
            buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(step, 1 << 20)));
            done = source.Read(buffer.data(), buffer.size());
            Write(buffer.data(), static_cast<std::size_t>(done));
        }
        if (done == 0) {
            throw CFileException(source.m_strFileName, ENODATA);  // shorter than it said
        }
        count -= done;
    }
    FlushWrites();
}

void CFile::Close() {
    if (m_hFile < 0) {
        return;
    }
    try {
        FlushWrites();
        ThrowOnFault(CFileStep::Close, m_strFileName);
    } catch (const CFileException&) {
        Abort();
        throw;
    }
    const int fd = m_hFile;
    m_hFile = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        throw CFileException(m_strFileName, errno);
    }
}

void CFile::Abort() {
    m_pendingWrites.clear();
    if (m_hFile >= 0) {
        ::close(m_hFile);
        m_hFile = -1;
    }
}

bool CFile::GetStatus(CFileStatus& status) const {
    struct stat st {};
    if (m_hFile < 0 || ::fstat(m_hFile, &st) != 0) {
        return false;
    }
    FillStatus(st, status);
    return true;
}

namespace {

template <class Container>
void ReadWhole(const std::string& fileName, Container& content, std::uint64_t nMaxSize) {
    CFile file;
    CFileException error(fileName, 0);
    CFileStatus status;
    if (!file.Open(fileName, CFile::modeRead, &error)) {
        throw error;
    }
    if (!file.GetStatus(status)) {
        throw CFileException(fileName, errno);
    }
    if (status.m_size > nMaxSize) {
        throw CFileException(fileName, EFBIG);
    }
    content.resize(static_cast<std::size_t>(status.m_size));
    content.resize(file.Read(content.data(), content.size()));
}

}  // namespace

void CFile::ReadAll(const std::string& fileName, std::string& content, std::uint64_t nMaxSize) {
    ReadWhole(fileName, content, nMaxSize);
}

void CFile::ReadAll(const std::string& fileName, std::vector<std::uint8_t>& content) {
    ReadWhole(fileName, content, UINT64_MAX);
}

bool CFile::GetStatus(const std::string& fileName, CFileStatus& status) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) {
        return false;
    }
    FillStatus(st, status);
    return true;
}

void CFile::Rename(const std::string& from, const std::string& to) {
    ThrowOnFault(CFileStep::Rename, to);
    if (::rename(from.c_str(), to.c_str()) != 0) {
        throw CFileException(to, errno);
    }
}

void CFile::Link(const std::string& existing, const std::string& newName) {
    ThrowOnFault(CFileStep::Link, newName);
    if (::link(existing.c_str(), newName.c_str()) != 0) {
        throw CFileException(newName, errno);
    }
}

void CFile::Copy(const std::string& existing, const std::string& newName) {
    CFile source;
    CFileException error(existing, 0);
    CFileStatus status;
    if (!source.Open(existing, modeRead, &error)) {
        throw error;
    }
    if (!source.GetStatus(status)) {
        throw CFileException(existing, errno);
    }
    CFile target;
    if (!target.Open(newName, modeCreate | modeWrite, &error)) {
        throw error;
    }
    try {
        target.CopyFrom(source, status.m_size);
        target.Flush();
        target.Close();
    } catch (const CFileException&) {
        target.Abort();
        Remove(newName);
        throw;
    }
}

void CFile::MakeDirectory(const std::string& path) {
    ThrowOnFault(CFileStep::MakeDirectory, path);
    if (::mkdir(path.c_str(), 0777) != 0) {
        throw CFileException(path, errno);
    }
}

std::string CFile::DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string CFile::FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

void CFile::FlushDirectory(const std::string& path) {
    ThrowOnFault(CFileStep::Flush, path);
    if (const int error = SyncDirectory(path)) {
        throw CFileException(path, error);
    }
}

bool CFile::Remove(const std::string& path) {
    if (const int error = Fault(CFileStep::Remove, path)) {
        errno = error;
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}
