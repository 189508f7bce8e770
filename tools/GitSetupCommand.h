#pragma once

#include <string>

#include "ToolCommand.h"

// git-setup [REPO]: lets git compare and merge the database files of a repository: one line per
// database file name in its .gitattributes, the drivers in its own config.
class CGitSetupCommand final : public CToolCommand {
public:
    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    bool AddAttributes(const std::string& topLevel) const;
    bool SetConfig(const std::string& topLevel, const std::string& key,
                   const std::string& value) const;

    std::string m_strRepository = ".";
};
