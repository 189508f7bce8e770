#pragma once

#include <string>

#include "ToolCommand.h"

// demo DIR: writes the bundled demo set with the letter e.
class CDemoCommand final : public CToolCommand {
public:
    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    std::string m_strDirectory;
};
