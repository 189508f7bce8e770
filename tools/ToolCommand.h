#pragma once

namespace CLI {
class App;
}

// One command of ventry-db. It adds its subcommand to the command line with the arguments
// bound to its own members, and runs once the command line was parsed.
class CToolCommand {
public:
    static constexpr int kExitSuccess = 0;
    static constexpr int kExitFailure = 1;  // also: a check found problems, sets differ
    static constexpr int kExitUsage = 2;
    static constexpr int kExitUnreadable = 3;  // a set to read could not be read

    virtual ~CToolCommand() = default;

    virtual CLI::App* Define(CLI::App& app) = 0;
    // Messages go through AfxMessageBox (failures) and the services' Warn; results to stdout.
    virtual int Run() = 0;
};
