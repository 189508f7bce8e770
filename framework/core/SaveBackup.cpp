#include "SaveBackup.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "File.h"

namespace {

namespace fs = std::filesystem;

// Far more saves in one second than anyone makes; the name search ends there.
constexpr int kMaxSuffix = 1000;

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

bool AllDigits(const std::string& text, std::size_t from, std::size_t to) {
    if (from >= to || to > text.size()) {
        return false;
    }
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(to),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Orders backup names by time, then by suffix; false for names that are no backup's.
bool BackupOrder(const std::string& name, std::pair<std::string, long>& order) {
    if (!AllDigits(name, 0, 8) || name.size() < 15 || name[8] != '-' || !AllDigits(name, 9, 15)) {
        return false;
    }
    if (name.size() == 15) {
        order = {name, 1};
        return true;
    }
    if (name[15] != '-' || name.size() > 22 || !AllDigits(name, 16, name.size())) {
        return false;
    }
    order = {name.substr(0, 15), std::stol(name.substr(16))};
    return true;
}

}  // namespace

void CSaveBackup::Keep(const std::string& file) {
    if (m_strDirectory.empty()) {
        MakeDirectory();
    }
    const std::string kept = KeptPathOf(file);
    try {
        CFile::Link(file, kept);
    } catch (const CFileException&) {
        // No hard links here (or none to spare): the bytes are copied instead.
        CFile::Copy(file, kept);
    }
}

void CSaveBackup::MakeDirectory() {
    try {
        CFile::MakeDirectory(m_strRoot);
        m_bMadeRoot = true;
    } catch (const CFileException& e) {
        if (e.OsError() != EEXIST) {
            throw;
        }
    }
    const std::string stamp = LocalTimeStamp();
    for (int n = 1;; ++n) {
        const std::string candidate =
            m_strRoot + '/' + stamp + (n == 1 ? std::string() : '-' + std::to_string(n));
        try {
            CFile::MakeDirectory(candidate);
            m_strDirectory = candidate;
            return;
        } catch (const CFileException& e) {
            if (e.OsError() != EEXIST || n == kMaxSuffix) {
                throw;
            }
        }
    }
}

std::vector<std::string> CSaveBackup::DirectoriesToFlush() const {
    if (m_strDirectory.empty()) {
        return {};
    }
    std::vector<std::string> directories{m_strDirectory, m_strRoot};
    if (m_bMadeRoot) {
        directories.push_back(CFile::DirectoryOf(m_strRoot));
    }
    return directories;
}

std::string CSaveBackup::KeptPathOf(const std::string& file) const {
    return m_strDirectory + '/' + CFile::FileNameOf(file);
}

void CSaveBackup::Discard() {
    if (m_strDirectory.empty()) {
        return;
    }
    std::error_code ignored;
    fs::remove_all(m_strDirectory, ignored);
    if (m_bMadeRoot) {
        fs::remove(m_strRoot, ignored);  // only while empty
    }
    m_strDirectory.clear();
    m_bMadeRoot = false;
}

void CSaveBackup::Prune() const {
    std::vector<std::pair<std::pair<std::string, long>, fs::path>> backups;
    std::error_code error;
    for (fs::directory_iterator it(m_strRoot, error), end; !error && it != end;
         it.increment(error)) {
        std::pair<std::string, long> order;
        if (!it->is_directory(error) || !BackupOrder(it->path().filename().string(), order)) {
            continue;
        }
        // Made by a save that was stopped before it kept anything: no backup to count.
        std::error_code ignored;
        if (fs::is_empty(it->path(), ignored)) {
            fs::remove(it->path(), ignored);
            continue;
        }
        backups.emplace_back(order, it->path());
    }
    if (backups.size() <= static_cast<std::size_t>(std::max(m_nKeep, 0))) {
        return;
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) {
        return a.first > b.first;  // newest first
    });
    for (std::size_t i = static_cast<std::size_t>(m_nKeep); i < backups.size(); ++i) {
        std::error_code ignored;
        fs::remove_all(backups[i].second, ignored);
    }
}
