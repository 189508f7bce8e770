#pragma once

#include <string>
#include <vector>

// Collects the files of one save as temporaries beside their targets and puts them in place
// only when every one was written, so a failed save leaves the old files as they were.
class CSaveTransaction {
public:
    CSaveTransaction() = default;
    ~CSaveTransaction();  // removes the temporaries of a save that was not committed
    CSaveTransaction(const CSaveTransaction&) = delete;
    CSaveTransaction& operator=(const CSaveTransaction&) = delete;

    // The path to write instead of target.
    std::string AddTarget(const std::string& target);
    // Renames every temporary onto its target; throws CFileException on the first failure.
    void Commit();
    // Removes every temporary that is still there.
    void Rollback();

    static std::string TemporaryPathFor(const std::string& target);

private:
    std::vector<std::string> m_targets;
};
