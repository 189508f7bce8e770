#pragma once

#include <array>
#include <string>

#include "ToolCommand.h"

class CToolServices;
class CVentryDoc;

// merge BASE OURS THEIRS OUT [--prefer ours|theirs] [--json]: what two sets made from BASE
// changed, joined field by field and saved as OUT; conflicts stop it unless a side is
// preferred.
class CMergeCommand final : public CToolCommand {
public:
    explicit CMergeCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    // Base, ours and theirs; false after a message when one cannot be read.
    bool OpenSets(const std::array<CVentryDoc*, 3>& docs) const;

    CToolServices& m_services;
    std::string m_strBase;
    std::string m_strOurs;
    std::string m_strTheirs;
    std::string m_strOut;
    std::string m_strPrefer;
    bool m_bJson = false;
};
