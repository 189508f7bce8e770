#pragma once

#include <string>

#include "ToolCommand.h"

class CToolServices;

// find SET QUERY [--database NAME] [--field NAME] [--json]: every field of the set that holds
// the query, as Find in Set shows them.
class CFindCommand final : public CToolCommand {
public:
    explicit CFindCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    CToolServices& m_services;
    std::string m_strSet;
    std::string m_strQuery;
    std::string m_strDatabase;
    std::string m_strField;
    bool m_bJson = false;
};
