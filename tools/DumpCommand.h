#pragma once

#include <cstdint>
#include <string>

#include "ToolCommand.h"

class CToolServices;
class CValueNames;
class CVentryDoc;
struct RecordLayout;

// dump SET [DATABASE] [--index N] [--json] [--names]: every column of every record, or of one;
// with --names the values that editors name by their names.
class CDumpCommand final : public CToolCommand {
public:
    explicit CDumpCommand(CToolServices& services) : m_services(services) {}

    CLI::App* Define(CLI::App& app) override;
    int Run() override;

private:
    void DumpDatabase(const CVentryDoc& doc, const RecordLayout& layout,
                      const CValueNames& names) const;

    CToolServices& m_services;
    std::string m_strSet;
    std::string m_strDatabase;
    long m_nIndex = -1;
    bool m_bJson = false;
    bool m_bNames = false;
};
