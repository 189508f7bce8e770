#pragma once

#include <cstddef>
#include <string>

#include "ToolCommand.h"

// generate DIR N [--letter L]: writes a synthetic set with N records in every database.
class CGenerateCommand final : public CToolCommand {
public:
    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    std::string m_strDirectory;
    long m_nCount = 0;
    std::string m_strLetter = "e";
};
