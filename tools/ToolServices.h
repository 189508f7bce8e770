#pragma once

#include <cstdio>
#include <string>

#include "core/AppServices.h"

// What the document layer gets from a command-line tool: every message goes to a stream as
// one line with the tool's prefix and, unless it is information, counts as a failure; there
// are no dialogs and no recent file list.
class CToolServices final : public CAppServices {
public:
    explicit CToolServices(std::FILE* stream = stderr) : m_pStream(stream) {}

    int DoMessageBox(const std::string& text, unsigned type) override;
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}

    // A line that is not a failure.
    void Warn(const std::string& text);

    int FailureCount() const { return m_nFailures; }

private:
    void Print(const std::string& text);

    std::FILE* m_pStream;
    int m_nFailures = 0;
};

// Installs services for the lifetime of a scope.
class CServicesScope {
public:
    explicit CServicesScope(CAppServices& services) : m_pPrevious(AfxSetAppServices(&services)) {}
    ~CServicesScope() { AfxSetAppServices(m_pPrevious); }
    CServicesScope(const CServicesScope&) = delete;
    CServicesScope& operator=(const CServicesScope&) = delete;

private:
    CAppServices* m_pPrevious;
};
