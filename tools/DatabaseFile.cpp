#include "DatabaseFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "RecordLayouts.h"
#include "SetFileNames.h"
#include "core/AppServices.h"
#include "core/File.h"

namespace DatabaseFile {

const RecordLayout* LayoutOfName(const std::string& path, std::string* pFileName) {
    const std::string name = CFile::FileNameOf(path);
    std::string lower = name;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const RecordLayout* layout : kRecordLayouts) {
        for (const char* pszLetter : {".e", ".g", ".f"}) {
            const std::string fileName = SetFileNames::BuildName({}, layout->database, pszLetter);
            if (lower.ends_with(fileName)) {
                if (pFileName != nullptr) {
                    *pFileName = name.substr(name.size() - fileName.size());
                }
                return layout;
            }
        }
    }
    return nullptr;
}

bool Read(const std::string& path, std::vector<std::uint8_t>& bytes) {
    try {
        CFile::ReadAll(path, bytes);
    } catch (const CFileException& e) {
        AfxMessageBox(e.Describe());
        return false;
    }
    return true;
}

bool Replace(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".ventry-merge";
    try {
        CFile file;
        CFileException error(temporary, 0);
        if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite, &error)) {
            throw error;
        }
        file.Write(bytes.data(), bytes.size());
        file.Flush();
        file.Close();
        CFile::Rename(temporary, path);
    } catch (const CFileException& e) {
        CFile::Remove(temporary);
        AfxMessageBox(e.Describe());
        return false;
    }
    return true;
}

}  // namespace DatabaseFile
