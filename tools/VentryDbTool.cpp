#include "VentryDbTool.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <memory>

#include "CheckCommand.h"
#include "CopyCommand.h"
#include "DemoCommand.h"
#include "DiffCommand.h"
#include "DumpCommand.h"
#include "ExportCommand.h"
#include "FindCommand.h"
#include "GenerateCommand.h"
#include "GitSetupCommand.h"
#include "ImportCommand.h"
#include "MergeCommand.h"
#include "MergeFileCommand.h"
#include "RefsCommand.h"
#include "RunCommand.h"
#include "TextconvCommand.h"

namespace {

constexpr const char* kFooter =
    "Sets are read and written through the document's own load and save: all files at once or "
    "none.\nExit status: 0 success, 1 failure (check: problems found, diff: the sets differ), 2 "
    "usage error, 3 a set could not be read; find: 1 when nothing matched.";

}  // namespace

int CVentryDbTool::Run(const std::vector<std::string>& args) {
    CLI::App app("Write, check, compare, export and import database sets.", "ventry-db");
    app.require_subcommand(1);
    app.footer(kFooter);
    std::unique_ptr<CToolCommand> commands[] = {
        std::make_unique<CDemoCommand>(),
        std::make_unique<CGenerateCommand>(),
        std::make_unique<CCopyCommand>(m_services),
        std::make_unique<CCheckCommand>(),
        std::make_unique<CDumpCommand>(m_services),
        std::make_unique<CDiffCommand>(m_services),
        std::make_unique<CExportCommand>(m_services),
        std::make_unique<CImportCommand>(),
        std::make_unique<CRefsCommand>(m_services),
        std::make_unique<CRunCommand>(m_services),
        std::make_unique<CMergeCommand>(m_services),
        std::make_unique<CMergeFileCommand>(m_services),
        std::make_unique<CTextconvCommand>(),
        std::make_unique<CGitSetupCommand>(),
        std::make_unique<CFindCommand>(m_services),
    };
    std::vector<CLI::App*> subcommands;
    for (const auto& command : commands) {
        subcommands.push_back(command->Define(app));
    }
    try {
        // CLI11 takes the arguments last first.
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return CToolCommand::kExitSuccess;
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "ventry-db: %s\n%s", error.what(), app.help().c_str());
        return CToolCommand::kExitUsage;
    }
    CServicesScope scope(m_services);
    for (std::size_t i = 0; i < subcommands.size(); ++i) {
        if (!subcommands[i]->parsed()) {
            continue;
        }
        int nStatus = CToolCommand::kExitFailure;
        try {
            nStatus = commands[i]->Run();
        } catch (const std::exception& e) {
            AfxMessageBox(e.what());
        }
        // A command that reported a failure has failed, whatever it returned.
        return nStatus == CToolCommand::kExitSuccess && m_services.FailureCount() > 0
                   ? CToolCommand::kExitFailure
                   : nStatus;
    }
    return CToolCommand::kExitUsage;
}
