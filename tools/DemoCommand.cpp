#include "DemoCommand.h"

#include <CLI/CLI.hpp>

#include "CommandSupport.h"
#include "DemoSet.h"
#include "SetWriter.h"
#include "VentryDoc.h"

CLI::App* CDemoCommand::Define(CLI::App& app) {
    CLI::App* command =
        app.add_subcommand("demo", "write the bundled demo set (letter e) into DIR");
    command->add_option("DIR", m_strDirectory, "created when missing")->required();
    return command;
}

int CDemoCommand::Run() {
    if (!CommandSupport::PrepareDirectory(m_strDirectory)) {
        return kExitFailure;
    }
    CVentryDoc doc;
    FillDemoSet(doc);
    return CSetWriter::Write(doc, CSetWriter::ObjectFilePath(m_strDirectory, 'e')) ? kExitSuccess
                                                                                   : kExitFailure;
}
