#include "VentryDbTool.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "DemoSet.h"
#include "SetFileNames.h"
#include "SetWriter.h"
#include "SyntheticSet.h"
#include "VentryDoc.h"

namespace fs = std::filesystem;

namespace {

// What a failure that the document layer did not report concerns.
std::string SubjectOf(const CToolCommand& command) {
    if (command.m_kind == CToolCommand::Kind::Copy) {
        return command.m_strSource + " -> " + command.m_strDestination;
    }
    return command.m_strDirectory;
}

}  // namespace

int CVentryDbTool::Run(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<CToolCommand> command = CCommandLine::Parse(args, error);
    if (!command) {
        std::fprintf(stderr, "ventry-db: %s\n%s", error.c_str(), CCommandLine::Usage());
        return kExitUsage;
    }
    CServicesScope scope(m_services);
    bool bDone = false;
    try {
        switch (command->m_kind) {
            case CToolCommand::Kind::Help:
                std::fputs(CCommandLine::Usage(), stdout);
                bDone = true;
                break;
            case CToolCommand::Kind::Demo:
                bDone = RunDemo(*command);
                break;
            case CToolCommand::Kind::Generate:
                bDone = RunGenerate(*command);
                break;
            case CToolCommand::Kind::Copy:
                bDone = RunCopy(*command);
                break;
        }
    } catch (const std::exception& e) {
        AfxMessageBox(SubjectOf(*command) + ": " + e.what());
    }
    return bDone && m_services.FailureCount() == 0 ? kExitSuccess : kExitFailure;
}

bool CVentryDbTool::RunDemo(const CToolCommand& command) {
    if (!PrepareDirectory(command.m_strDirectory)) {
        return false;
    }
    CVentryDoc doc;
    CDemoSetBuilder(doc).Build();
    return CSetWriter::Write(doc, CSetWriter::ObjectFilePath(command.m_strDirectory, 'e'));
}

bool CVentryDbTool::RunGenerate(const CToolCommand& command) {
    if (!PrepareDirectory(command.m_strDirectory)) {
        return false;
    }
    CVentryDoc doc;
    CSyntheticSetBuilder(doc, command.m_nCount).Build();
    return CSetWriter::Write(
        doc, CSetWriter::ObjectFilePath(command.m_strDirectory, command.m_chLetter));
}

bool CVentryDbTool::RunCopy(const CToolCommand& command) {
    // The document derives every other name from the object file's directory.
    const std::string source = fs::absolute(command.m_strSource).string();
    const std::string destination = fs::absolute(command.m_strDestination).string();
    if (!IsObjectFileName(source) || !IsObjectFileName(destination)) {
        return false;
    }
    CVentryDoc doc;
    if (!doc.OnOpenDocument(source)) {
        return false;
    }
    for (const std::string& file : doc.FilesWithDuplicateIndices()) {
        m_services.Warn(file + ": duplicate record indices; only the last record of each is kept");
    }
    for (const std::string& problem : doc.UnreadableFiles()) {
        m_services.Warn(problem + "; that database is copied empty");
    }
    const std::string sourceAircraftFile = doc.m_strShipBasedAircraftFile;
    if (!doc.OnSaveDocument(destination)) {
        return false;
    }
    return CopyShipBasedAircraftFile(sourceAircraftFile, doc.m_strShipBasedAircraftFile);
}

bool CVentryDbTool::PrepareDirectory(const std::string& directory) {
    std::error_code error;
    fs::create_directories(directory, error);
    if (error) {
        AfxMessageBox(directory + ": " + error.message());
        return false;
    }
    return true;
}

// Refused here already so the message names the file; the document would refuse it too.
bool CVentryDbTool::IsObjectFileName(const std::string& path) {
    if (SetFileNames::HasKnownObjectExtension(path)) {
        return true;
    }
    AfxMessageBox(path + ": not an object file name (.eod, .god or .fod)");
    return false;
}

// The document leaves this file alone, so it travels as plain bytes when the source has one.
bool CVentryDbTool::CopyShipBasedAircraftFile(const std::string& source,
                                              const std::string& destination) {
    if (source == destination || !fs::exists(source)) {
        return true;
    }
    std::error_code error;
    fs::copy_file(source, destination, fs::copy_options::overwrite_existing, error);
    if (error) {
        AfxMessageBox(destination + ": " + error.message());
        return false;
    }
    return true;
}
