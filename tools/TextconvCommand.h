#pragma once

#include <string>

#include "ToolCommand.h"

// textconv FILE: one database file as text for git diff, log -p and show: every record in
// file order, one line per column as dump prints them.
class CTextconvCommand final : public CToolCommand {
public:
    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    std::string m_strFile;
};
