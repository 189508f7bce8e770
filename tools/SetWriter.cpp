#include "SetWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

#include "SetFileNames.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

std::string CSetWriter::ObjectFilePath(const std::string& directory, char letter) {
    const std::string languagePart{'.', letter};
    std::string absolute = std::filesystem::absolute(directory).string();
    if (!absolute.ends_with('/')) {
        absolute += '/';
    }
    return SetFileNames::BuildName(absolute, Database::Object, languagePart);
}

bool CSetWriter::Write(CVentryDoc& doc, const std::string& objectFile) {
    if (!doc.OnSaveDocument(objectFile)) {
        return false;
    }
    // The program neither reads nor writes this file; an existing one keeps its bytes.
    const std::string& aircraftFile = doc.m_strShipBasedAircraftFile;
    const int fd = ::open(aircraftFile.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        AfxMessageBox(aircraftFile + ": " + std::strerror(errno));
        return false;
    }
    ::close(fd);
    return true;
}
