#pragma once

#include <initializer_list>
#include <string>

#include "ToolCommand.h"

struct CLoadFindings;
class CToolServices;

// merge BASE OURS THEIRS OUT [--prefer ours|theirs] [--json]: what two sets made from BASE
// changed, joined field by field and saved as OUT; conflicts stop it unless a side is
// preferred.
class CMergeCommand final : public CToolCommand {
public:
    explicit CMergeCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    // False after a message per file that could not be read; else warns of what the loads
    // left out.
    bool AllRead(std::initializer_list<const CLoadFindings*> sides) const;

    CToolServices& m_services;
    std::string m_strBase;
    std::string m_strOurs;
    std::string m_strTheirs;
    std::string m_strOut;
    std::string m_strPrefer;
    bool m_bJson = false;
};
