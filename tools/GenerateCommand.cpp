#include "GenerateCommand.h"

#include <CLI/CLI.hpp>

#include "CommandSupport.h"
#include "SetWriter.h"
#include "SyntheticSet.h"
#include "VentryDoc.h"

CLI::App* CGenerateCommand::Define(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "generate", "write a synthetic set with N records in every database, indices 0 to N-1");
    command->add_option("DIR", m_strDirectory, "created when missing")->required();
    command->add_option("N", m_nCount, "records per database")
        ->required()
        ->check(CLI::Range(std::size_t{0}, CSyntheticSetBuilder::kMaxCount));
    command->add_option("--letter", m_strLetter, "the set's language letter (default e)")
        ->check(CLI::IsMember({"e", "g", "f"}));
    return command;
}

int CGenerateCommand::Run() {
    if (!CommandSupport::PrepareDirectory(m_strDirectory)) {
        return kExitFailure;
    }
    CVentryDoc doc;
    CSyntheticSetBuilder(doc, m_nCount).Build();
    return CSetWriter::Write(doc, CSetWriter::ObjectFilePath(m_strDirectory, m_strLetter.front()))
               ? kExitSuccess
               : kExitFailure;
}
