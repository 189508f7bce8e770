#include "SetWriter.h"

#include <filesystem>

#include "SetFileNames.h"

std::string CSetWriter::ObjectFilePath(const std::string& directory, char letter) {
    const std::string languagePart{'.', letter};
    std::string absolute = std::filesystem::absolute(directory).string();
    if (!absolute.ends_with('/')) {
        absolute += '/';
    }
    return SetFileNames::BuildName(absolute, Database::Object, languagePart);
}
