#pragma once

#include <array>
#include <string>
#include <string_view>

// The files of a database set: directory + base name + "." + language letter + suffix.
namespace SetFileNames {

enum class SetFile {
    Object,
    Sensor,
    Launcher,
    Airstrip,
    Entity,
    Profile,
    Mast,
    Object3D,
    ShipClass,
    CountryName,
    ShipBasedAircraft,
};
constexpr std::size_t kSetFileCount = 11;

struct SetFileScheme {
    std::string_view baseName;
    std::string_view suffix;
};

constexpr std::array<SetFileScheme, kSetFileCount> kSchemes{{
    {"object", "od"},
    {"sensor", "sd"},
    {"launcher", "ld"},
    {"airstrip", "ad"},
    {"entity", "pd"},
    {"profile", "qd"},
    {"mast", "md"},
    {"3dobject", "3d"},
    {"class", "bd"},
    {"countryname", "cd"},
    {"shipbasedaircraft", "hd"},
}};

// The directory part of a path, ending in "/"; empty for a bare file name.
std::string DirectoryOf(const std::string& path);
// The file name without its directory.
std::string FileNameOf(const std::string& path);

// ".e", ".g" or ".f" for an object file name whose extension is .eod, .god or .fod in any
// case; empty for any other name.
std::string LanguagePartOf(const std::string& fileName);

// The object file name is one the set's names can be derived from.
inline bool HasKnownObjectExtension(const std::string& path) {
    return !LanguagePartOf(FileNameOf(path)).empty();
}

std::string BuildName(const std::string& directory, SetFile file, std::string_view languagePart);

// The object file of a complete set in directory (which ends in "/"): the object, sensor,
// launcher, airstrip, entity, profile, mast, ship class and ship-based aircraft files all
// exist. languageNumber 2 looks for letter g, 3 for f, anything else for e. Empty when not
// found.
std::string FindCompleteSet(const std::string& directory, int languageNumber);

}  // namespace SetFileNames
