#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One run of ventry-db, as the command line asks for it.
struct CToolCommand {
    enum class Kind { Help, Demo, Generate, Copy };

    Kind m_kind = Kind::Help;
    std::string m_strDirectory;  // demo, generate
    std::size_t m_nCount = 0;    // generate
    char m_chLetter = 'e';       // demo, generate
    std::string m_strSource;     // copy
    std::string m_strDestination;
};

class CCommandLine {
public:
    // The arguments after the program name. Empty, with the reason in error, when they do not
    // make a command.
    static std::optional<CToolCommand> Parse(const std::vector<std::string>& args,
                                             std::string& error);
    static const char* Usage();
};
