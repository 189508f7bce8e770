#include "SetCsv.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "ParallelFor.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

namespace {

using CFilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string PathIn(const std::string& directory, const RecordLayout& layout) {
    return (std::filesystem::path(directory) / CsvFileName(layout)).string();
}

bool WriteText(const std::string& path, const std::string& text, std::string& strError) {
    CFilePtr file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file || std::fwrite(text.data(), 1, text.size(), file.get()) != text.size() ||
        std::fclose(file.release()) != 0) {
        strError = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool ReadText(const std::string& path, std::string& text, std::string& strError) {
    std::error_code error;
    const std::uintmax_t nSize = std::filesystem::file_size(path, error);
    CFilePtr file(error ? nullptr : std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        strError = error ? error.message() : std::strerror(errno);
        return false;
    }
    text.resize(nSize);
    if (std::fread(text.data(), 1, text.size(), file.get()) != text.size()) {
        strError = std::ferror(file.get()) ? std::strerror(errno) : "the file shrank while read";
        return false;
    }
    return true;
}

}  // namespace

// The ten databases are formatted and parsed side by side: the work is all processor.
bool ExportSetCsv(const CVentryDoc& doc, const std::string& directory, std::string& strError) {
    std::array<std::string, kDatabaseCount> errors;
    ParallelFor(kDatabaseCount, [&](std::size_t i) {
        const RecordLayout& layout = *kRecordLayouts[i];
        WriteText(PathIn(directory, layout), FormatDatabaseCsv(doc.Records(layout.database)),
                  errors[i]);
    });
    const auto failed = std::ranges::find_if(errors, [](const auto& e) { return !e.empty(); });
    if (failed != errors.end()) {
        strError = *failed;
        return false;
    }
    return true;
}

bool ImportSetCsv(const std::string& directory, CVentryDoc& doc,
                  std::vector<CCsvProblem>& problems) {
    std::vector<CDatabaseCsvRecords> databases;
    for (const RecordLayout* layout : kRecordLayouts) {
        databases.emplace_back(*layout);
    }
    std::array<std::vector<CCsvProblem>, kDatabaseCount> found;
    std::array<bool, kDatabaseCount> read{};
    ParallelFor(kDatabaseCount, [&](std::size_t i) {
        const std::string path = PathIn(directory, *kRecordLayouts[i]);
        std::string text;
        std::string error;
        if (!ReadText(path, text, error)) {
            found[i].push_back({path, 0, 0, {}, error});
        } else {
            read[i] = databases[i].Read(text, path, found[i]);
        }
    });
    for (std::size_t i = 0; i < kDatabaseCount; ++i) {
        problems.insert(problems.end(), found[i].begin(), found[i].end());
        if (read[i]) {
            databases[i].EnterInto(doc.Records(kRecordLayouts[i]->database));
        }
    }
    return std::ranges::all_of(read, [](bool b) { return b; });
}
