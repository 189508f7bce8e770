#include "CopyCommand.h"

#include <filesystem>
#include <system_error>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "ToolServices.h"
#include "VentryDoc.h"

namespace fs = std::filesystem;

CLI::App* CCopyCommand::Define(CLI::App& app) {
    return CArgumentList(app, "copy",
                         "load the set of object file SRC and save it as the set of object "
                         "file DST")
        .Text("SRC", m_strSource, "object file (.eod, .god or .fod)")
        .Text("DST", m_strDestination, "object file; its folder must exist")
        .Command();
}

int CCopyCommand::Run() {
    const std::string destination = fs::absolute(m_strDestination).string();
    CVentryDoc doc;
    if (!CommandSupport::IsObjectFileName(destination) ||
        !CommandSupport::OpenSet(doc, m_strSource)) {
        return kExitFailure;
    }
    CommandSupport::WarnAboutLoad(doc, m_services, "that database is copied empty");
    const std::string sourceAircraftFile = doc.m_strShipBasedAircraftFile;
    if (!doc.OnSaveDocument(destination)) {
        return kExitFailure;
    }
    return CopyShipBasedAircraftFile(sourceAircraftFile, doc.m_strShipBasedAircraftFile)
               ? kExitSuccess
               : kExitFailure;
}

// The document leaves this file alone, so it travels as plain bytes when the source has one.
bool CCopyCommand::CopyShipBasedAircraftFile(const std::string& source,
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
