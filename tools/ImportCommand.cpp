#include "ImportCommand.h"

#include <filesystem>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "SetCsv.h"
#include "SetFileNames.h"
#include "ToolDoc.h"
#include "core/AppServices.h"

CLI::App* CImportCommand::Define(CLI::App& app) {
    return CArgumentList(app, "import",
                         "build the set of object file SET from the CSV files in DIR and save "
                         "it")
        .Text("DIR", m_strDirectory, "folder of the ten CSV files")
        .Text("SET", m_strSet,
              "object file (.eod, .god or .fod); its folder is created when "
              "missing")
        .Command();
}

int CImportCommand::Run() {
    const std::string objectFile = std::filesystem::absolute(m_strSet).string();
    if (!CommandSupport::IsObjectFileName(objectFile)) {
        return kExitFailure;
    }
    CToolDoc doc;
    std::vector<CCsvProblem> problems;
    if (!ImportSetCsv(m_strDirectory, doc, problems)) {
        for (const CCsvProblem& problem : problems) {
            AfxMessageBox(FormatCsvProblem(problem));
        }
        AfxMessageBox(objectFile + ": nothing written");
        return kExitFailure;
    }
    if (!CommandSupport::PrepareDirectory(SetFileNames::DirectoryOf(objectFile))) {
        return kExitFailure;
    }
    return doc.OnSaveDocument(objectFile) ? kExitSuccess : kExitFailure;
}
