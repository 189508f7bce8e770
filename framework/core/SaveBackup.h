#pragma once

#include <string>
#include <vector>

// The files a save is about to replace, kept under their own names in a new directory
// root/YYYYMMDD-HHMMSS (local time; "-2", "-3", ... when that name is taken): hard links where
// the file system has them, copies otherwise. The newest backups under root are kept.
class CSaveBackup {
public:
    CSaveBackup(std::string root, int nKeep) : m_strRoot(std::move(root)), m_nKeep(nKeep) {}

    // Makes the directory; Keep does so too when none was made. Throws CFileException.
    void MakeDirectory();
    // Keeps file. Throws CFileException.
    void Keep(const std::string& file);
    // The directories whose flush makes what was kept durable.
    std::vector<std::string> DirectoriesToFlush() const;
    // Where the kept bytes of file are.
    std::string KeptPathOf(const std::string& file) const;
    // Empty until the first file was kept.
    const std::string& Directory() const { return m_strDirectory; }
    // Removes the directory made, with what is in it: the save replaced nothing after all.
    void Discard();
    // Removes all but the newest backups under root, and empty ones, which hold nothing to
    // keep; what cannot be removed stays.
    void Prune() const;

private:
    std::string m_strRoot;
    int m_nKeep;
    std::string m_strDirectory;
    bool m_bMadeRoot = false;
};
