#pragma once

#include <string>

#include "ToolCommand.h"

class CToolServices;

// merge-file BASE OURS THEIRS PATH: git's merge driver for one database file (%O %A %B %P),
// merged as merge merges sets; the result replaces OURS, conflicts leave it as it was.
class CMergeFileCommand final : public CToolCommand {
public:
    explicit CMergeFileCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    CToolServices& m_services;
    std::string m_strBase;
    std::string m_strOurs;
    std::string m_strTheirs;
    std::string m_strPath;
};
