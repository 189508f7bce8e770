#pragma once

#include <future>
#include <string>
#include <vector>

#include "ToolCommand.h"

class CToolServices;
class CVentryDoc;
struct CFinding;

// merge BASE OURS THEIRS OUT [--prefer ours|theirs] [--json]: what two sets made from BASE
// changed, joined field by field and saved as OUT; conflicts stop it unless a side is
// preferred.
class CMergeCommand final : public CToolCommand {
public:
    explicit CMergeCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    // False after a message when a set cannot be read; oursChecked then may not be valid.
    bool OpenSets(CVentryDoc& base, CVentryDoc& ours, CVentryDoc& theirs,
                  std::future<std::vector<CFinding>>& oursChecked) const;

    CToolServices& m_services;
    std::string m_strBase;
    std::string m_strOurs;
    std::string m_strTheirs;
    std::string m_strOut;
    std::string m_strPrefer;
    bool m_bJson = false;
};
