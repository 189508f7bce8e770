#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ToolRun {
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

// Runs the built ventry-db with args, in workingDirectory when one is given.
ToolRun RunVentryDb(const std::vector<std::string>& args,
                    const std::filesystem::path& workingDirectory = {});
