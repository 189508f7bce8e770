#pragma once

#include <string>
#include <vector>

#include "File.h"
#include "SaveJournal.h"

class CSaveBackup;

// Collects the files of one save as temporaries beside their targets and puts them in place
// only when every one was written, so a failed save leaves the old files as they were: the
// temporaries are flushed to disk before the first rename, the files about to be replaced are
// kept first (in a backup, or in links of their own while the renames run), and a failure
// after the first rename puts back what was already replaced. A note (CSaveJournal) lets the
// next load finish or undo a save that was stopped between its steps.
class CSaveTransaction {
public:
    // The replaced files go into a new directory under backupRoot, of which the newest
    // nKeepBackups stay; 0 keeps none once the save is through. The note is notePath.
    CSaveTransaction(std::string backupRoot, int nKeepBackups, std::string notePath);
    ~CSaveTransaction();  // rolls back a save that was not committed
    CSaveTransaction(const CSaveTransaction&) = delete;
    CSaveTransaction& operator=(const CSaveTransaction&) = delete;

    // The path to write instead of target. Throws CFileException when the note fails.
    std::string AddTarget(const std::string& target);
    // The save leaves target as it is after all: its temporary goes.
    void LeaveAsItIs(const std::string& target);
    // Puts every temporary in place, all or nothing; throws CFileException naming the file
    // that failed, with a note when the old files could not all be put back.
    void Commit();
    // Removes every temporary that is still there, and the note, unless a failed put-back
    // left both for the next load.
    void Rollback();

    // What a committed save put in place, and each file's status on disk since.
    struct CPlacedFile {
        std::string strPath;
        CFileStatus status;
    };
    const std::vector<CPlacedFile>& PlacedFiles() const { return m_placed; }

    static std::string TemporaryPathFor(const std::string& target);
    // Beside the target, for the old file while backups are off.
    static std::string KeepLinkPathFor(const std::string& target);
    // Beside the target, for the old file while it is put back.
    static std::string RestorePathFor(const std::string& target);

private:
    struct CTarget {
        std::string strPath;
        bool bExisted = false;
        std::string strKept;  // where its old bytes are while the renames run
        CFileStatus written;
    };

    std::vector<CTarget> CheckTargets() const;
    void KeepOldFiles(std::vector<CTarget>& targets, CSaveBackup& backup);
    // Makes the temporaries, the kept files and the note's directory entry durable.
    void FlushEverything(std::vector<CTarget>& targets, const CSaveBackup& backup) const;
    // Undoes the first nReplaced renames and rethrows failure, with a note when that failed.
    [[noreturn]] void PutBack(std::vector<CTarget>& targets, std::size_t nReplaced,
                              CSaveBackup& backup, const CFileException& failure);
    void RemoveKeepLinks(const std::vector<CTarget>& targets) const;
    std::vector<std::string> Directories() const;

    std::string m_strBackupRoot;
    int m_nKeepBackups;
    std::vector<std::string> m_targets;
    std::vector<CPlacedFile> m_placed;
    CSaveJournal m_journal;
    bool m_bKeepNote = false;  // the old files could not all be put back: the next load acts
};
