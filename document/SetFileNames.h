#pragma once

#include <string>
#include <string_view>

#include "RecordLayout.h"
#include "core/File.h"

// The files of a database set: directory + base name + "." + language letter + suffix, the
// base names and suffixes of the databases being their layouts'.
namespace SetFileNames {

// The directory part of a path, ending in "/"; empty for a bare file name.
std::string DirectoryOf(const std::string& path);
// ".e", ".g" or ".f" for an object file name whose extension is .eod, .god or .fod in any
// case; empty for any other name.
std::string LanguagePartOf(const std::string& fileName);

// The object file name is one the set's names can be derived from.
inline bool HasKnownObjectExtension(const std::string& path) {
    return !LanguagePartOf(CFile::FileNameOf(path)).empty();
}

std::string BuildName(const std::string& directory, Database database,
                      std::string_view languagePart);
// The file of a database in the set of an object file (a name HasKnownObjectExtension
// accepts): the object file itself, in the letter case given, or the name built beside it.
std::string DatabaseFileOf(const std::string& objectFilePath, Database database);
// The one file of a set that holds no database: the program only looks for it.
std::string BuildShipBasedAircraftName(const std::string& directory, std::string_view languagePart);

// The object file of a complete set in directory (which ends in "/"): the object, sensor,
// launcher, airstrip, entity, profile, mast, ship class and ship-based aircraft files all
// exist. languageNumber 2 looks for letter g, 3 for f, anything else for e. Empty when not
// found.
std::string FindCompleteSet(const std::string& directory, int languageNumber);

}  // namespace SetFileNames
