#include "SaveTransaction.h"

#include <algorithm>
#include <cerrno>

#include "SaveBackup.h"

namespace {

// Beside the target, for the old file while backups are off.
std::string KeepLinkPathFor(const std::string& target) {
    return target + ".ventry-old";
}

std::string RestorePathFor(const std::string& target) {
    return target + ".ventry-restore";
}

// A second name for existing at newName: a hard link, or a copy where there are none.
void LinkOrCopy(const std::string& existing, const std::string& newName) {
    CFile::Remove(newName);  // left over from a save that did not end
    try {
        CFile::Link(existing, newName);
    } catch (const CFileException&) {
        CFile::Copy(existing, newName);
    }
}

}  // namespace

CSaveTransaction::CSaveTransaction(std::string backupRoot, int nKeepBackups)
    : m_strBackupRoot(std::move(backupRoot)), m_nKeepBackups(std::max(nKeepBackups, 0)) {}

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

void CSaveTransaction::LeaveAsItIs(const std::string& target) {
    const auto it = std::find(m_targets.begin(), m_targets.end(), target);
    if (it != m_targets.end()) {
        CFile::Remove(TemporaryPathFor(target));
        m_targets.erase(it);
    }
}

void CSaveTransaction::Commit() {
    std::vector<CTarget> targets = CheckTargets();
    FlushTemporaries(targets);
    CSaveBackup backup(m_strBackupRoot, m_nKeepBackups);
    KeepOldFiles(targets, backup);
    std::size_t nReplaced = 0;
    try {
        for (; nReplaced < targets.size(); ++nReplaced) {
            const std::string& target = targets[nReplaced].strPath;
            CFile::Rename(TemporaryPathFor(target), target);
        }
        for (const std::string& directory : Directories()) {
            CFile::FlushDirectory(directory);
        }
    } catch (const CFileException& e) {
        PutBack(targets, nReplaced, backup, e);
    }
    RemoveKeepLinks(targets);
    if (!backup.Directory().empty()) {
        backup.Prune();
    }
    m_placed.clear();
    for (const CTarget& target : targets) {
        m_placed.push_back({target.strPath, target.written});
    }
    m_targets.clear();
}

std::vector<CSaveTransaction::CTarget> CSaveTransaction::CheckTargets() const {
    std::vector<CTarget> targets;
    for (const std::string& path : m_targets) {
        CTarget target;
        target.strPath = path;
        CFileStatus status;
        target.bExisted = CFile::GetStatus(path, status);
        // A target that exists but is no plain file would refuse the rename half-way through.
        if (target.bExisted && !status.m_bRegular) {
            throw CFileException(path, EISDIR);
        }
        targets.push_back(target);
    }
    return targets;
}

void CSaveTransaction::FlushTemporaries(std::vector<CTarget>& targets) const {
    for (CTarget& target : targets) {
        CFile temporary;
        CFileException error(target.strPath, 0);
        if (!temporary.Open(TemporaryPathFor(target.strPath), CFile::modeRead, &error)) {
            throw CFileException(target.strPath, error.OsError());
        }
        temporary.SetFilePath(target.strPath);
        temporary.Flush();
        if (!temporary.GetStatus(target.written)) {
            throw CFileException(target.strPath, errno);
        }
        temporary.Close();
    }
}

void CSaveTransaction::KeepOldFiles(std::vector<CTarget>& targets, CSaveBackup& backup) const {
    try {
        for (CTarget& target : targets) {
            if (!target.bExisted) {
                continue;
            }
            if (m_nKeepBackups > 0) {
                backup.Keep(target.strPath);
                target.strKept = backup.KeptPathOf(target.strPath);
            } else {
                target.strKept = KeepLinkPathFor(target.strPath);
                LinkOrCopy(target.strPath, target.strKept);
            }
        }
        backup.Flush();
    } catch (const CFileException&) {
        backup.Discard();
        RemoveKeepLinks(targets);
        throw;
    }
}

void CSaveTransaction::PutBack(std::vector<CTarget>& targets, std::size_t nReplaced,
                               CSaveBackup& backup, const CFileException& failure) {
    std::string problems;
    for (std::size_t i = 0; i < nReplaced; ++i) {
        const CTarget& target = targets[i];
        try {
            if (!target.bExisted) {
                if (!CFile::Remove(target.strPath)) {
                    throw CFileException(target.strPath, errno);
                }
            } else if (m_nKeepBackups > 0) {
                // The backup keeps its copy: the old file comes back under a second name.
                const std::string restore = RestorePathFor(target.strPath);
                try {
                    LinkOrCopy(target.strKept, restore);
                    CFile::Rename(restore, target.strPath);
                } catch (const CFileException&) {
                    CFile::Remove(restore);
                    throw;
                }
            } else {
                CFile::Rename(target.strKept, target.strPath);
                targets[i].strKept.clear();
            }
        } catch (const CFileException& e) {
            problems += e.Describe() + '\n';
        }
    }
    // Files that were never replaced still hold their old bytes; their links are not needed.
    for (std::size_t i = nReplaced; i < targets.size() && m_nKeepBackups == 0; ++i) {
        if (!targets[i].strKept.empty()) {
            CFile::Remove(targets[i].strKept);
            targets[i].strKept.clear();
        }
    }
    for (const std::string& directory : Directories()) {
        try {
            CFile::FlushDirectory(directory);
        } catch (const CFileException& e) {
            problems += e.Describe() + '\n';
        }
    }
    if (problems.empty()) {
        backup.Discard();  // the set is the old one again: nothing was replaced
        throw failure;
    }
    const std::string where = m_nKeepBackups > 0 ? "in " + backup.Directory()
                                                 : "beside them, named with \".ventry-old\" added";
    throw CFileException(failure.FileName(), failure.OsError(),
                         "Not every old file could be put back:\n" + problems +
                             "The old files are kept " + where + ".");
}

void CSaveTransaction::RemoveKeepLinks(const std::vector<CTarget>& targets) const {
    if (m_nKeepBackups > 0) {
        return;
    }
    for (const CTarget& target : targets) {
        if (!target.strKept.empty()) {
            CFile::Remove(target.strKept);
        }
    }
}

std::vector<std::string> CSaveTransaction::Directories() const {
    std::vector<std::string> directories;
    for (const std::string& target : m_targets) {
        const std::string directory = CFile::DirectoryOf(target);
        if (std::find(directories.begin(), directories.end(), directory) == directories.end()) {
            directories.push_back(directory);
        }
    }
    return directories;
}

void CSaveTransaction::Rollback() {
    for (const std::string& target : m_targets) {
        CFile::Remove(TemporaryPathFor(target));
    }
    m_targets.clear();
}
