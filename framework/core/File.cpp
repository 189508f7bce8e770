#include "File.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteBehindBytes = 64 * 1024;

}  // namespace

std::string CFileException::Describe() const {
    return m_strFileName + ": " + std::strerror(m_lOsError);
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
    // Non-blocking open, so a FIFO or device in place of a record file cannot hang us; only
    // regular files are accepted.
    const int fd = ::open(fileName.c_str(), osFlags | O_CLOEXEC | O_NONBLOCK, 0666);
    int failure = fd < 0 ? errno : 0;
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
        const ssize_t n = ::write(m_hFile, in, count);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_pendingWrites.clear();
            throw CFileException(m_strFileName, errno);
        }
        in += n;
        count -= static_cast<std::size_t>(n);
    }
    m_pendingWrites.clear();
}

void CFile::Close() {
    if (m_hFile < 0) {
        return;
    }
    try {
        FlushWrites();
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

bool CFile::GetStatus(const std::string& fileName, CFileStatus& status) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) {
        return false;
    }
    status.m_size = static_cast<std::uint64_t>(st.st_size);
    status.m_bRegular = S_ISREG(st.st_mode);
    return true;
}
