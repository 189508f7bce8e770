#pragma once

#include <string>

#include "ToolCommand.h"

class CToolServices;

// export SET DIR: one CSV file per database.
class CExportCommand final : public CToolCommand {
public:
    explicit CExportCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    CToolServices& m_services;
    std::string m_strSet;
    std::string m_strDirectory;
};
