#include "SaveTransaction.h"

#include <cerrno>
#include <cstdio>

#include "File.h"

CSaveTransaction::~CSaveTransaction() {
    Rollback();
}

std::string CSaveTransaction::TemporaryPathFor(const std::string& target) {
    return target + ".ventry-save";
}

std::string CSaveTransaction::AddTarget(const std::string& target) {
    m_targets.push_back(target);
    return TemporaryPathFor(target);
}

void CSaveTransaction::Commit() {
    // A target that exists but is no plain file would refuse the rename half-way through.
    for (const std::string& target : m_targets) {
        CFileStatus status;
        if (CFile::GetStatus(target, status) && !status.m_bRegular) {
            throw CFileException(target, EISDIR);
        }
    }
    while (!m_targets.empty()) {
        const std::string& target = m_targets.front();
        if (std::rename(TemporaryPathFor(target).c_str(), target.c_str()) != 0) {
            throw CFileException(target, errno);
        }
        m_targets.erase(m_targets.begin());
    }
}

void CSaveTransaction::Rollback() {
    for (const std::string& target : m_targets) {
        std::remove(TemporaryPathFor(target).c_str());
    }
    m_targets.clear();
}
