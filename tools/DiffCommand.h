#pragma once

#include <string>

#include "ToolCommand.h"

class CToolServices;

// diff OLD NEW [--json]: records added and removed, and every changed column.
class CDiffCommand final : public CToolCommand {
public:
    explicit CDiffCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    CToolServices& m_services;
    std::string m_strOld;
    std::string m_strNew;
    bool m_bJson = false;
};
