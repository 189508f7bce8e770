#pragma once

#include <string>

#include "ToolCommand.h"

class CToolServices;

// refs SET DATABASE INDEX [--json]: what one record refers to, and what refers to it.
class CRefsCommand final : public CToolCommand {
public:
    explicit CRefsCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    CToolServices& m_services;
    std::string m_strSet;
    std::string m_strDatabase;
    long m_nIndex = 0;
    bool m_bJson = false;
};
