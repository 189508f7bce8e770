#include "ArgumentList.h"

#include <CLI/CLI.hpp>

CArgumentList::CArgumentList(CLI::App& app, const char* pszCommand, const char* pszDescription)
    : m_pCommand(app.add_subcommand(pszCommand, pszDescription)) {}

CArgumentList& CArgumentList::Text(const char* pszName, std::string& value, const char* pszHelp) {
    m_pCommand->add_option(pszName, value, pszHelp)->required();
    return *this;
}

CArgumentList& CArgumentList::OptionalText(const char* pszName, std::string& value,
                                           const char* pszHelp) {
    m_pCommand->add_option(pszName, value, pszHelp);
    return *this;
}

CArgumentList& CArgumentList::Choice(const char* pszName, std::string& value,
                                     const std::vector<std::string>& choices, const char* pszHelp,
                                     bool bRequired) {
    m_pCommand->add_option(pszName, value, pszHelp)
        ->required(bRequired)
        ->check(CLI::IsMember(choices));
    return *this;
}

CArgumentList& CArgumentList::Number(const char* pszName, long& value, long nMin, long nMax,
                                     const char* pszHelp, const char* pszNeeds) {
    CLI::Option* option =
        m_pCommand->add_option(pszName, value, pszHelp)->check(CLI::Range(nMin, nMax));
    option->required(std::string(pszName).starts_with("-") ? false : true);
    if (pszNeeds != nullptr) {
        option->needs(pszNeeds);
    }
    return *this;
}

CArgumentList& CArgumentList::Flag(const char* pszName, bool& value, const char* pszHelp) {
    m_pCommand->add_flag(pszName, value, pszHelp);
    return *this;
}
