#include "CommandSupport.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "FieldText.h"
#include "RecordField.h"
#include "SetFileNames.h"
#include "ToolServices.h"
#include "VentryDoc.h"
#include "core/File.h"

namespace fs = std::filesystem;

namespace CommandSupport {

// Refused here already so the message names the file; the document would refuse it too.
bool IsObjectFileName(const std::string& path) {
    if (SetFileNames::HasKnownObjectExtension(path)) {
        return true;
    }
    AfxMessageBox(path + ": not an object file name (.eod, .god or .fod)");
    return false;
}

bool OpenSet(CDocument& doc, const std::string& path) {
    // The document derives every other name from the object file's directory.
    const std::string absolute = fs::absolute(path).string();
    return IsObjectFileName(absolute) && doc.OnOpenDocument(absolute);
}

void WarnAboutLoad(const CLoadFindings& findings, CToolServices& services,
                   std::string_view emptyNote) {
    for (const std::string& file : findings.duplicateIndexFiles) {
        services.Warn(file + ": duplicate record indices; only the last record of each is kept");
    }
    for (const std::string& problem : findings.unreadableFiles) {
        services.Warn(problem + "; " + std::string(emptyNote));
    }
    for (const CLoadFindings::CTrailingBytes& trailing : findings.trailingBytes) {
        services.Warn(trailing.file + ": " + std::to_string(trailing.nBytes) +
                      " bytes after the last whole record are left out");
    }
}

bool PrepareDirectory(const std::string& directory) {
    std::error_code error;
    fs::create_directories(directory, error);
    if (error) {
        AfxMessageBox(directory + ": " + error.message());
        return false;
    }
    return true;
}

std::string FileOf(const CVentryDoc& doc, Database database) {
    return CFile::FileNameOf(doc.FileName(database));
}

std::vector<std::string> DatabaseNames() {
    std::vector<std::string> names;
    for (const RecordLayout* layout : kRecordLayouts) {
        names.emplace_back(layout->name);
    }
    return names;
}

std::string NameOf(const CVentryDoc& doc, Database database, std::uint16_t nKey) {
    const CRecordTable& table = doc.Records(database);
    return Latin1ToUtf8(
        RecordField::GetText(table.Find(nKey), table.NameOffset(), table.NameWidth()));
}

void PrintLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void WriteOut(std::string& out, bool bAll) {
    constexpr std::size_t kPieceSize = 1 << 20;
    if (bAll || out.size() >= kPieceSize) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    }
}

}  // namespace CommandSupport
