#pragma once

#include <gmock/gmock.h>

#include <filesystem>
#include <span>
#include <string>

struct ToolRun {
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

// Runs the built ventry-db with the words of line as its arguments, in workingDirectory when
// one is given.
ToolRun RunVentryDb(const std::string& line, const std::filesystem::path& workingDirectory = {});
// The same for program, found on the PATH.
ToolRun RunProgram(const std::string& program, const std::string& line,
                   const std::filesystem::path& workingDirectory);

// A run of ventry-db and what it prints and returns.
struct ExpectedRun {
    std::string line;
    int nExitCode;
    testing::Matcher<const std::string&> out;
    testing::Matcher<const std::string&> err;
};
void ExpectRuns(std::span<const ExpectedRun> runs, const std::filesystem::path& workingDirectory);
