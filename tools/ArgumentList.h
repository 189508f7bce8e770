#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

// The arguments of one command, bound to the command's members: a thin front of CLI11, so
// that only the files that build and parse the command line compile it. Positionals are
// required unless said otherwise; options start with "--".
class CArgumentList {
public:
    CArgumentList(CLI::App& app, const char* pszCommand, const char* pszDescription);

    CArgumentList& Text(const char* pszName, std::string& value, const char* pszHelp);
    // A positional or an option that may be left out; value keeps what it held then.
    CArgumentList& OptionalText(const char* pszName, std::string& value, const char* pszHelp);
    // One of choices; an optional positional stays empty when not given.
    CArgumentList& Choice(const char* pszName, std::string& value,
                          const std::vector<std::string>& choices, const char* pszHelp,
                          bool bRequired = true);
    // A whole number from nMin to nMax; pszNeeds names an argument it cannot go without.
    CArgumentList& Number(const char* pszName, long& value, long nMin, long nMax,
                          const char* pszHelp, const char* pszNeeds = nullptr);
    CArgumentList& Flag(const char* pszName, bool& value, const char* pszHelp);

    CLI::App* Command() const { return m_pCommand; }

private:
    CLI::App* m_pCommand;
};
