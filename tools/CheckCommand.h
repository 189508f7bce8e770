#pragma once

#include <string>

#include "ToolCommand.h"

// check SET [--json]: every problem of a set, one per line.
class CCheckCommand final : public CToolCommand {
public:
    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    std::string m_strSet;
    bool m_bJson = false;
};
