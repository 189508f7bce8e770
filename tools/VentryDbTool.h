#pragma once

#include <string>
#include <vector>

#include "CommandLine.h"
#include "ToolServices.h"

// ventry-db: writes demo and synthetic sets and copies sets, always through CVentryDoc's own
// load and save. Messages go to stderr, each with the tool's name.
class CVentryDbTool {
public:
    static constexpr int kExitSuccess = 0;
    static constexpr int kExitFailure = 1;
    static constexpr int kExitUsage = 2;

    // The arguments after the program name; returns the exit status.
    int Run(const std::vector<std::string>& args);

private:
    bool RunDemo(const CToolCommand& command);
    bool RunGenerate(const CToolCommand& command);
    bool RunCopy(const CToolCommand& command);
    bool PrepareDirectory(const std::string& directory);
    bool IsObjectFileName(const std::string& path);
    bool CopyShipBasedAircraftFile(const std::string& source, const std::string& destination);

    CToolServices m_services;
};
