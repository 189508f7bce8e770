#include "SetCsv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

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

bool ExportSetCsv(const CVentryDoc& doc, const std::string& directory, std::string& strError) {
    for (const RecordLayout* layout : kRecordLayouts) {
        if (!WriteText(PathIn(directory, *layout), FormatDatabaseCsv(doc.Records(layout->database)),
                       strError)) {
            return false;
        }
    }
    return true;
}

bool ImportSetCsv(const std::string& directory, CVentryDoc& doc,
                  std::vector<CCsvProblem>& problems) {
    bool bRead = true;
    std::string text;
    std::string error;
    for (const RecordLayout* layout : kRecordLayouts) {
        const std::string path = PathIn(directory, *layout);
        if (!ReadText(path, text, error)) {
            problems.push_back({path, 0, 0, {}, error});
            bRead = false;
            continue;
        }
        bRead = ReadDatabaseCsv(text, path, doc.Records(layout->database), problems) && bRead;
    }
    return bRead;
}
