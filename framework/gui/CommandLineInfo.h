#pragma once

#include <string>

// What the command line asks the program to do at start-up.
struct CCommandLineInfo {
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;  // for FileOpen
    int m_nExitCode = 0;        // for FileNothing: 0 after --help or --version, 2 after a misuse
};
