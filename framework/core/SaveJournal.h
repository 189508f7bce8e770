#pragma once

#include <string>
#include <vector>

#include "File.h"

// The commit note of a save, "<object file>.ventry-commit": what a save that was stopped
// half-way (killed, a power cut) had begun, so that the next load can finish it or undo it
// instead of reading a mix of old and new files. The note is text, one entry per line; a path
// is relative to the note's directory when it lies there, with "\" and a line end in it
// written as "\\" and "\n":
//
//   ventry-commit 1
//   temporary <target>          a temporary "<target>.ventry-save" may exist
//   backup <directory>          where the files about to be replaced are kept; without this
//                               line each is linked to "<target>.ventry-old"
//   commit <backups to keep>    every temporary is written and flushed, the renames follow:
//   replace <size> <modified ns> <inode> <target>   target existed; its temporary's identity
//   create <size> <modified ns> <inode> <target>    target is new
//   end <checksum>              FNV-1a 64 of every byte before this line, 16 hex digits
//
// The lines up to "backup" are added while the save writes, unflushed; the rest is added and
// flushed before the first rename, and so is the directory, after the note was made. A note whose
// last line is no matching "end" was never complete: no rename had begun.
class CSaveJournal {
public:
    explicit CSaveJournal(std::string notePath) : m_strPath(std::move(notePath)) {}
    CSaveJournal(const CSaveJournal&) = delete;
    CSaveJournal& operator=(const CSaveJournal&) = delete;

    static std::string NotePathFor(const std::string& objectFile);
    const std::string& Path() const { return m_strPath; }

    // One rename of a save: the temporary of target goes in place of it.
    struct CRename {
        std::string strTarget;
        bool bExisted = false;
        CFileStatus written;  // the temporary's, which a rename keeps
    };
    // What a note says.
    struct CNote {
        bool bComplete = false;
        std::vector<std::string> temporaries;
        std::string strBackup;  // empty: links beside the targets
        int nKeepBackups = 0;
        std::vector<CRename> renames;
    };

    // Writing, in this order; each throws CFileException. The first call creates the note.
    void NoteTemporary(const std::string& target);
    void NoteBackup(const std::string& directory);
    // Adds the renames and the checksum and flushes the note. Its directory entry, made with
    // the first line, is the caller's to flush.
    void Complete(int nKeepBackups, const std::vector<CRename>& renames);
    // From the first byte of Complete on, the note on disk may read as complete.
    bool MayLookComplete() const { return m_bCompleting; }
    // Removes the note, and flushes its directory once it may read as complete; false when the
    // note is still there.
    bool Remove();

    // Reads the note at path; throws CFileException when it cannot be read.
    static CNote Read(const std::string& path);

private:
    void Append(const std::string& text);

    std::string m_strPath;
    CFile m_file;
    std::string m_strWritten;
    bool m_bStarted = false;
    bool m_bCompleting = false;
};
