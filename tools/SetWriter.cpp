#include "SetWriter.h"

#include <filesystem>

#include "SetFileNames.h"
#include "ToolDoc.h"

std::string CSetWriter::ObjectFilePath(const std::string& directory, char letter) {
    const std::string languagePart{'.', letter};
    std::string absolute = std::filesystem::absolute(directory).string();
    if (!absolute.ends_with('/')) {
        absolute += '/';
    }
    return SetFileNames::BuildName(absolute, Database::Object, languagePart);
}

bool CSetWriter::Write(CToolDoc& doc, const std::string& objectFile) {
    return doc.OnSaveDocument(objectFile);
}
