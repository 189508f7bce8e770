#include "ExportCommand.h"

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "SetCsv.h"
#include "ToolServices.h"
#include "VentryDoc.h"

CLI::App* CExportCommand::Define(CLI::App& app) {
    return CArgumentList(app, "export",
                         "write the set of object file SET as one CSV file per database into "
                         "DIR")
        .Text("SET", m_strSet, "object file (.eod, .god or .fod)")
        .Text("DIR", m_strDirectory, "created when missing")
        .Command();
}

int CExportCommand::Run() {
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(doc.LoadFindings(), m_services,
                                  "that database is exported empty");
    std::string error;
    if (!CommandSupport::PrepareDirectory(m_strDirectory)) {
        return kExitFailure;
    }
    if (!ExportSetCsv(doc, m_strDirectory, error)) {
        AfxMessageBox(error);
        return kExitFailure;
    }
    return kExitSuccess;
}
