#pragma once

#include <string>

#include "ToolCommand.h"

// import DIR SET: the set of object file SET from the CSV files in DIR, all files or none.
class CImportCommand final : public CToolCommand {
public:
    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    std::string m_strDirectory;
    std::string m_strSet;
};
