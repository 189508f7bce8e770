#include "SaveRecovery.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

#include "SaveBackup.h"
#include "SaveTransaction.h"

namespace {

// A rename keeps the file's size, inode and modification time. All three must agree: an old
// file may well have the size and the coarse time of its new version. Where inodes are made
// up anew at mount time the load is refused, which is safe.
bool IsWritten(const CFileStatus& now, const CFileStatus& written) {
    return now.m_bRegular && now.m_size == written.m_size && now.m_nInode == written.m_nInode &&
           now.m_nModifiedNs == written.m_nModifiedNs;
}

}  // namespace

CSaveRecovery::CResult CSaveRecovery::Recover(const std::string& objectFile) {
    const CSaveRecovery recovery(CSaveJournal::NotePathFor(objectFile));
    CFileStatus status;
    if (!CFile::GetStatus(recovery.m_strNote, status)) {
        return {};
    }
    CSaveJournal::CNote note;
    try {
        note = CSaveJournal::Read(recovery.m_strNote);
    } catch (const CFileException& e) {
        return {EOutcome::Refused,
                "The last save of this set was interrupted, and what it left cannot be read:\n" +
                    e.Describe() + "\nRemove " + recovery.m_strNote +
                    " to open the files as they are."};
    }
    if (!note.bComplete) {
        recovery.Discard(note);
        return {EOutcome::Discarded, {}};
    }
    return recovery.Complete(note);
}

// No rename had begun: the targets are the old files, and all the save made can go.
void CSaveRecovery::Discard(const CSaveJournal::CNote& note) const {
    for (const std::string& target : note.temporaries) {
        CFile::Remove(CSaveTransaction::TemporaryPathFor(target));
        CFile::Remove(CSaveTransaction::KeepLinkPathFor(target));
        if (!note.strBackup.empty()) {
            CFile::Remove(note.strBackup + '/' + CFile::FileNameOf(target));
        }
    }
    if (!note.strBackup.empty()) {
        // Only while empty: nothing but what this save kept is removed.
        ::rmdir(note.strBackup.c_str());
        ::rmdir(CFile::DirectoryOf(note.strBackup).c_str());
    }
    RemoveNote();
}

CSaveRecovery::CResult CSaveRecovery::Complete(const CSaveJournal::CNote& note) const {
    std::string problems;
    std::vector<const CSaveJournal::CRename*> pending;
    std::vector<std::string> directories;
    for (const CSaveJournal::CRename& rename : note.renames) {
        const std::string temporary = CSaveTransaction::TemporaryPathFor(rename.strTarget);
        CFileStatus status;
        if (CFile::GetStatus(temporary, status)) {
            if (IsWritten(status, rename.written)) {
                pending.push_back(&rename);
            } else {
                problems += temporary + ": not the file that save wrote\n";
            }
        } else if (errno != ENOENT) {
            problems += temporary + ": " + std::strerror(errno) + '\n';
        } else if (!CFile::GetStatus(rename.strTarget, status) ||
                   !IsWritten(status, rename.written)) {
            problems += rename.strTarget + ": not yet replaced, and the saved file " + temporary +
                        " is missing\n";
        }
        const std::string directory = CFile::DirectoryOf(rename.strTarget);
        if (std::find(directories.begin(), directories.end(), directory) == directories.end()) {
            directories.push_back(directory);
        }
    }
    if (!problems.empty()) {
        return Refuse(note, problems);
    }
    try {
        for (const CSaveJournal::CRename* rename : pending) {
            CFile::Rename(CSaveTransaction::TemporaryPathFor(rename->strTarget), rename->strTarget);
        }
        for (const std::string& directory : directories) {
            CFile::FlushDirectory(directory);
        }
    } catch (const CFileException& e) {
        return Refuse(note, e.Describe() + '\n');
    }
    // What the save would have cleared away after its renames.
    for (const CSaveJournal::CRename& rename : note.renames) {
        if (rename.bExisted && note.strBackup.empty()) {
            CFile::Remove(CSaveTransaction::KeepLinkPathFor(rename.strTarget));
        }
        CFile::Remove(CSaveTransaction::RestorePathFor(rename.strTarget));
    }
    if (!note.strBackup.empty()) {
        CSaveBackup(CFile::DirectoryOf(note.strBackup), note.nKeepBackups).Prune();
    }
    RemoveNote();
    return {EOutcome::Completed, {}};
}

CSaveRecovery::CResult CSaveRecovery::Refuse(const CSaveJournal::CNote& note,
                                             const std::string& problems) const {
    const bool bReplacing = std::any_of(note.renames.begin(), note.renames.end(),
                                        [](const auto& rename) { return rename.bExisted; });
    const std::string where =
        !bReplacing ? "The set had no files before that save.\n"
        : note.strBackup.empty()
            ? "The old files are kept beside them, named with \".ventry-old\" added.\n"
            : "The old files are kept in " + note.strBackup + ".\n";
    return {EOutcome::Refused,
            "The last save of this set was interrupted and cannot be "
            "completed:\n" +
                problems + where + "Remove " + m_strNote + " to open the files as they are."};
}

void CSaveRecovery::RemoveNote() const {
    CFile::Remove(m_strNote);
    try {
        CFile::FlushDirectory(CFile::DirectoryOf(m_strNote));
    } catch (const CFileException&) {
        // Should the note come back after a power cut, the next load finds nothing left to do.
    }
}
