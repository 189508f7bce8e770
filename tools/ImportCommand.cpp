#include "ImportCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>

#include "CommandSupport.h"
#include "SetCsv.h"
#include "SetFileNames.h"
#include "SetWriter.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

CLI::App* CImportCommand::Define(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "import", "build the set of object file SET from the CSV files in DIR and save it");
    command->add_option("DIR", m_strDirectory, "folder of the ten CSV files")->required();
    command
        ->add_option("SET", m_strSet,
                     "object file (.eod, .god or .fod); its folder is "
                     "created when missing")
        ->required();
    return command;
}

int CImportCommand::Run() {
    const std::string objectFile = std::filesystem::absolute(m_strSet).string();
    if (!CommandSupport::IsObjectFileName(objectFile)) {
        return kExitFailure;
    }
    CVentryDoc doc;
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
    return CSetWriter::Write(doc, objectFile) ? kExitSuccess : kExitFailure;
}
