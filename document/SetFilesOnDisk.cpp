#include "SetFilesOnDisk.h"

void CSetFilesOnDisk::NoteLoaded(Database database, const std::string& path,
                                 const CFileStatus* status) {
    CEntry& entry = EntryOf(database);
    entry.strPath = path;
    entry.bExists = status != nullptr;
    entry.status = status ? *status : CFileStatus{};
    entry.bAsSaved = false;
    entry.bChanged = false;
}

void CSetFilesOnDisk::NoteRead(Database database, std::uint64_t nBytes, bool bInSaveForm) {
    CEntry& entry = EntryOf(database);
    // A file that grew or shrank since its status was taken is not the version noted.
    entry.bAsSaved = entry.bExists && bInSaveForm && nBytes == entry.status.m_size;
}

void CSetFilesOnDisk::NoteAllChanged() {
    for (CEntry& entry : m_entries) {
        entry.bChanged = true;
    }
}

void CSetFilesOnDisk::NoteSaved(Database database, const std::string& path,
                                const CFileStatus* placed) {
    CEntry& entry = EntryOf(database);
    entry.strPath = path;
    if (placed) {
        entry.bExists = true;
        entry.status = *placed;
    }
    entry.bAsSaved = true;
    entry.bChanged = false;
}

CSetFilesOnDisk::ESave CSetFilesOnDisk::PlanSave(Database database,
                                                 const std::string& target) const {
    const CEntry& entry = Entry(database);
    if (!entry.bAsSaved || entry.bChanged) {
        return ESave::Write;
    }
    CFileStatus current;
    if (CFile::GetStatus(target, current) && current.IsSameVersion(entry.status)) {
        return ESave::Keep;  // the very file, under whatever name
    }
    return ESave::Copy;
}

bool CSetFilesOnDisk::OpenAsNoted(Database database, CFile& file) const {
    const CEntry& entry = Entry(database);
    CFileStatus current;
    // Checked on the open file, so a file replaced just now is not copied in its place.
    return entry.bExists && file.Open(entry.strPath, CFile::modeRead) && file.GetStatus(current) &&
           current.IsSameVersion(entry.status);
}
