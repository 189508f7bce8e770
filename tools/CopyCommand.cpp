#include "CopyCommand.h"

#include <filesystem>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "SetFileNames.h"
#include "ToolDoc.h"
#include "ToolServices.h"

CLI::App* CCopyCommand::Define(CLI::App& app) {
    return CArgumentList(app, "copy",
                         "load the set of object file SRC and save it as the set of object "
                         "file DST")
        .Text("SRC", m_strSource, "object file (.eod, .god or .fod)")
        .Text("DST", m_strDestination, "object file; its folder is created when missing")
        .Command();
}

int CCopyCommand::Run() {
    const std::string destination = std::filesystem::absolute(m_strDestination).string();
    CToolDoc doc;
    if (!CommandSupport::IsObjectFileName(destination) ||
        !CommandSupport::OpenSet(doc, m_strSource)) {
        return kExitFailure;
    }
    CommandSupport::WarnAboutLoad(doc.LoadFindings(), m_services, "that database is copied empty");
    // The ship-based aircraft file travels as plain bytes, in the same save as the databases.
    doc.SetShipBasedAircraftSource(doc.m_strShipBasedAircraftFile);
    if (!CommandSupport::PrepareDirectory(SetFileNames::DirectoryOf(destination))) {
        return kExitFailure;
    }
    return doc.OnSaveDocument(destination) ? kExitSuccess : kExitFailure;
}
