#include "SetFileNames.h"

#include <algorithm>
#include <cctype>

#include "core/File.h"

namespace SetFileNames {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

std::string BuildName(const std::string& directory, SetFile file, std::string_view languagePart) {
    const SetFileScheme& scheme = kSchemes[static_cast<std::size_t>(file)];
    std::string name = directory;
    name.append(scheme.baseName).append(languagePart).append(scheme.suffix);
    return name;
}

std::string FindCompleteSet(const std::string& directory, int languageNumber) {
    const std::string_view languagePart =
        languageNumber == 2 ? ".g" : (languageNumber == 3 ? ".f" : ".e");
    // The 3D object and country name files may be missing from a complete set.
    const bool bComplete = std::ranges::all_of(
        std::array{SetFile::Object, SetFile::Sensor, SetFile::Launcher, SetFile::Airstrip,
                   SetFile::Entity, SetFile::Profile, SetFile::Mast, SetFile::ShipClass,
                   SetFile::ShipBasedAircraft},
        [&](SetFile file) {
            CFileStatus status;
            return CFile::GetStatus(BuildName(directory, file, languagePart), status);
        });
    return bComplete ? BuildName(directory, SetFile::Object, languagePart) : std::string();
}

}  // namespace SetFileNames
