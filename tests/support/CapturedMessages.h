#pragma once

#include <string>
#include <vector>

#include "core/AppServices.h"

// Installs itself as the application's services for its lifetime and records every message.
class CapturedMessages final : public CAppServices {
public:
    CapturedMessages() : m_pPrevious(AfxSetAppServices(this)) {}
    ~CapturedMessages() override { AfxSetAppServices(m_pPrevious); }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    int DoMessageBox(const std::string& text, unsigned) override {
        m_texts.push_back(text);
        return IDOK;
    }
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}
    int GetBackupCount() const override { return m_nBackupCount; }

    std::vector<std::string> m_texts;
    int m_nBackupCount = kDefaultBackupCount;

private:
    CAppServices* m_pPrevious;
};
