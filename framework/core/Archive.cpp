#include "Archive.h"

#include <algorithm>
#include <cstring>

#include "File.h"

CArchive::CArchive(CFile* file, Mode mode, std::size_t bufferSize)
    : m_pFile(file), m_nMode(mode), m_buffer(std::max<std::size_t>(bufferSize, 1)) {}

std::size_t CArchive::Read(void* buffer, std::size_t count) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        if (m_nBufferPos == m_nBufferUsed) {
            // Large reads bypass the buffer: the whole object file is read in one call.
            if (count - done >= m_buffer.size()) {
                return done + m_pFile->Read(out + done, count - done);
            }
            m_nBufferUsed = m_pFile->Read(m_buffer.data(), m_buffer.size());
            m_nBufferPos = 0;
            if (m_nBufferUsed == 0) {
                break;
            }
        }
        const std::size_t n = std::min(count - done, m_nBufferUsed - m_nBufferPos);
        std::memcpy(out + done, m_buffer.data() + m_nBufferPos, n);
        m_nBufferPos += n;
        done += n;
    }
    return done;
}

void CArchive::Write(const void* buffer, std::size_t count) {
    const auto* in = static_cast<const char*>(buffer);
    while (count > 0) {
        const std::size_t n = std::min(count, m_buffer.size() - m_nBufferUsed);
        std::memcpy(m_buffer.data() + m_nBufferUsed, in, n);
        m_nBufferUsed += n;
        in += n;
        count -= n;
        if (m_nBufferUsed == m_buffer.size()) {
            Flush();
        }
    }
}

void CArchive::Flush() {
    if (IsStoring() && m_nBufferUsed > 0) {
        m_pFile->Write(m_buffer.data(), m_nBufferUsed);
        m_nBufferUsed = 0;
    }
}

void CArchive::Close() {
    Flush();
}
