#include "SaveTransaction.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#include "SaveBackup.h"

namespace {

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

CSaveTransaction::CSaveTransaction(std::string backupRoot, int nKeepBackups, std::string notePath)
    : m_strBackupRoot(std::move(backupRoot)),
      m_nKeepBackups(std::max(nKeepBackups, 0)),
      m_journal(std::move(notePath)) {}

CSaveTransaction::~CSaveTransaction() {
    Rollback();
}

std::string CSaveTransaction::TemporaryPathFor(const std::string& target) {
    return target + ".ventry-save";
}

std::string CSaveTransaction::KeepLinkPathFor(const std::string& target) {
    return target + ".ventry-old";
}

std::string CSaveTransaction::RestorePathFor(const std::string& target) {
    return target + ".ventry-restore";
}

std::string CSaveTransaction::AddTarget(const std::string& target) {
    m_journal.NoteTemporary(target);
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
    if (targets.empty()) {
        m_journal.Remove();  // nothing to replace
        m_placed.clear();
        return;
    }
    CSaveBackup backup(m_strBackupRoot, m_nKeepBackups);
    try {
        KeepOldFiles(targets, backup);
        FlushEverything(targets, backup);
        std::vector<CSaveJournal::CRename> renames;
        for (const CTarget& target : targets) {
            renames.push_back({target.strPath, target.bExisted, target.written});
        }
        m_journal.Complete(m_nKeepBackups, renames);
    } catch (const CFileException&) {
        // A note that may read as complete goes before what it names.
        if (m_journal.MayLookComplete()) {
            m_journal.Remove();
        }
        backup.Discard();
        RemoveKeepLinks(targets);
        throw;
    }
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
    // Should this fail, the next load finds every file in place and only clears the note away.
    m_journal.Remove();
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

// The temporaries, what the backup kept and the directories holding the note and the
// temporaries, side by side: the disk takes them in one round instead of one each.
void CSaveTransaction::FlushEverything(std::vector<CTarget>& targets,
                                       const CSaveBackup& backup) const {
    std::vector<std::unique_ptr<CFile>> temporaries;
    std::vector<CFile*> files;
    for (const CTarget& target : targets) {
        auto temporary = std::make_unique<CFile>();
        CFileException error(target.strPath, 0);
        if (!temporary->Open(TemporaryPathFor(target.strPath), CFile::modeRead, &error)) {
            throw CFileException(target.strPath, error.OsError());
        }
        temporary->SetFilePath(target.strPath);
        files.push_back(temporary.get());
        temporaries.push_back(std::move(temporary));
    }
    std::vector<std::string> directories = backup.DirectoriesToFlush();
    for (const std::string& directory : Directories()) {
        if (std::find(directories.begin(), directories.end(), directory) == directories.end()) {
            directories.push_back(directory);
        }
    }
    CFile::FlushAll(files, directories);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (!temporaries[i]->GetStatus(targets[i].written)) {
            throw CFileException(targets[i].strPath, errno);
        }
        temporaries[i]->Close();
    }
}

void CSaveTransaction::KeepOldFiles(std::vector<CTarget>& targets, CSaveBackup& backup) {
    for (CTarget& target : targets) {
        if (!target.bExisted) {
            continue;
        }
        if (m_nKeepBackups > 0) {
            if (backup.Directory().empty()) {
                backup.MakeDirectory();
                m_journal.NoteBackup(backup.Directory());
            }
            backup.Keep(target.strPath);
            target.strKept = backup.KeptPathOf(target.strPath);
        } else {
            target.strKept = KeepLinkPathFor(target.strPath);
            LinkOrCopy(target.strPath, target.strKept);
        }
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
        // The set is the old one again: nothing was replaced, and the note goes first.
        m_journal.Remove();
        backup.Discard();
        throw failure;
    }
    m_bKeepNote = true;  // the next load finishes the save, or refuses the mix
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
    std::vector<std::string> directories{CFile::DirectoryOf(m_journal.Path())};
    for (const std::string& target : m_targets) {
        const std::string directory = CFile::DirectoryOf(target);
        if (std::find(directories.begin(), directories.end(), directory) == directories.end()) {
            directories.push_back(directory);
        }
    }
    return directories;
}

void CSaveTransaction::Rollback() {
    // An incomplete note names the temporaries, so it goes after them; one that may read as
    // complete would have the next load finish the save, so it goes before them. A note that
    // stays keeps its temporaries: with them the next load may still finish the save.
    if (m_bKeepNote) {
        m_targets.clear();
        return;
    }
    if (m_journal.MayLookComplete()) {
        m_journal.Remove();
    }
    for (const std::string& target : m_targets) {
        CFile::Remove(TemporaryPathFor(target));
    }
    if (!m_journal.MayLookComplete()) {
        m_journal.Remove();
    }
    m_targets.clear();
}
