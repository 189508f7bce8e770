#pragma once

#include <string>
#include <vector>

#include "ToolServices.h"

// ventry-db: the command line and its commands, which read and write sets only through
// CVentryDoc's own load and save. Messages go to stderr, each with the tool's name; results
// to stdout.
class CVentryDbTool {
public:
    // The arguments after the program name; returns the exit status.
    int Run(const std::vector<std::string>& args);

private:
    CToolServices m_services;
};
