#include "SetFileNames.h"

#include <algorithm>
#include <cctype>

#include "RecordLayouts.h"
#include "core/File.h"

namespace SetFileNames {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Join(const std::string& directory, std::string_view baseName,
                 std::string_view languagePart, std::string_view suffix) {
    std::string name = directory;
    name.append(baseName).append(languagePart).append(suffix);
    return name;
}

bool Exists(const std::string& path) {
    CFileStatus status;
    return CFile::GetStatus(path, status);
}

}  // namespace

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string LanguagePartOf(const std::string& fileName) {
    // The extension is as long as the part before the first "." less two: for object.eod,
    // the last four characters.
    const std::size_t dot = fileName.find('.');
    if (dot == std::string::npos || dot <= 2 || dot - 2 > fileName.size()) {
        return {};
    }
    const std::string_view extension =
        std::string_view(fileName).substr(fileName.size() - (dot - 2));
    for (const char* letter : {"g", "e", "f"}) {
        if (EqualsIgnoringCase(extension, std::string(".") + letter + "od")) {
            return std::string(".") + letter;
        }
    }
    return {};
}

std::string BuildName(const std::string& directory, Database database,
                      std::string_view languagePart) {
    const RecordLayout& layout = LayoutOf(database);
    return Join(directory, layout.name, languagePart, layout.fileSuffix);
}

std::string DatabaseFileOf(const std::string& objectFilePath, Database database) {
    if (database == Database::Object) {
        return objectFilePath;
    }
    return BuildName(DirectoryOf(objectFilePath), database,
                     LanguagePartOf(CFile::FileNameOf(objectFilePath)));
}

std::string BuildShipBasedAircraftName(const std::string& directory,
                                       std::string_view languagePart) {
    return Join(directory, "shipbasedaircraft", languagePart, "hd");
}

std::string FindCompleteSet(const std::string& directory, int languageNumber) {
    const std::string_view languagePart =
        languageNumber == 2 ? ".g" : (languageNumber == 3 ? ".f" : ".e");
    // The 3D object and country name files may be missing from a complete set.
    const bool bComplete =
        std::ranges::all_of(kRecordLayouts,
                            [&](const RecordLayout* layout) {
                                return layout->database == Database::Object3D ||
                                       layout->database == Database::CountryName ||
                                       Exists(BuildName(directory, layout->database, languagePart));
                            }) &&
        Exists(BuildShipBasedAircraftName(directory, languagePart));
    return bComplete ? BuildName(directory, Database::Object, languagePart) : std::string();
}

}  // namespace SetFileNames
