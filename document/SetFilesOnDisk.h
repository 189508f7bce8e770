#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "RecordLayout.h"
#include "core/File.h"

// The record files of the set as the document last read or wrote them, one per database:
// where, which version (so that a change by another program shows), whether the bytes are
// exactly what a save of the records would write (index order, no duplicate index, no
// trailing bytes), and whether the records changed since. A save leaves such a file as it is
// when the records did not change and the file is still that version, and copies it in the
// kernel when it saves to another set.
class CSetFilesOnDisk {
public:
    struct CEntry {
        std::string strPath;  // empty: nothing loaded or saved
        bool bExists = false;
        CFileStatus status;     // while bExists
        bool bAsSaved = false;  // the bytes are what a save of the records writes
        bool bChanged = false;  // the records changed since
    };
    enum class ESave { Write, Keep, Copy };

    const CEntry& Entry(Database database) const {
        return m_entries[static_cast<std::size_t>(database)];
    }
    const std::array<CEntry, kDatabaseCount>& Entries() const { return m_entries; }

    // A load is about to read path, which has status (null: there is no file); then it read
    // nBytes from it, in the form a save writes or not.
    void NoteLoaded(Database database, const std::string& path, const CFileStatus* status);
    void NoteRead(Database database, std::uint64_t nBytes, bool bInSaveForm);
    void NoteChanged(Database database) { EntryOf(database).bChanged = true; }
    void NoteAllChanged();
    // A save made path hold the records: placed is what it put there, null when it left the
    // file as it was.
    void NoteSaved(Database database, const std::string& path, const CFileStatus* placed);
    void Clear() { m_entries = {}; }

    // How a save to target treats the database: Copy falls back to Write when OpenAsNoted
    // fails.
    ESave PlanSave(Database database, const std::string& target) const;
    // Opens the database's file for copying, if it is still the version noted.
    bool OpenAsNoted(Database database, CFile& file) const;

private:
    CEntry& EntryOf(Database database) { return m_entries[static_cast<std::size_t>(database)]; }

    std::array<CEntry, kDatabaseCount> m_entries;
};
