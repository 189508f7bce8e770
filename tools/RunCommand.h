#pragma once

#include <string>

#include "ScriptLimits.h"
#include "ToolCommand.h"

class CToolServices;

// run SCRIPT SET [--dry-run] [--json] [--max-instructions N] [--max-memory-mb N]: runs a Lua
// script over the set, prints what it changed as diff does and saves the set, all or nothing.
class CRunCommand final : public CToolCommand {
public:
    explicit CRunCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    bool ReadScript(std::string& text) const;

    CToolServices& m_services;
    std::string m_strScript;
    std::string m_strSet;
    bool m_bDryRun = false;
    bool m_bJson = false;
    long m_nMaxInstructions = static_cast<long>(CScriptLimits::kDefaultInstructions);
    long m_nMaxMemoryMb = static_cast<long>(CScriptLimits::kDefaultMemoryBytes >> 20);
};
