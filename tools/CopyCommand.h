#pragma once

#include <string>

#include "ToolCommand.h"

class CToolServices;

// copy SRC DST: loads a set and saves it under another object file name.
class CCopyCommand final : public CToolCommand {
public:
    explicit CCopyCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    CToolServices& m_services;
    std::string m_strSource;
    std::string m_strDestination;
};
