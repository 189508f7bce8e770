#pragma once

#include "gui/WinApp.h"

// The Ventry application: its settings, its document manager and template, the watch on the
// open set's files, the About box.
class CVentryApp : public CWinApp {
public:
    CVentryApp();

    bool OnCommand(unsigned nID) override;
    int GetBackupCount() const override { return m_nBackupCount; }

    int m_nLanguageID = 0;  // "LanguageID" in "Settings": kept, used by nothing else
    // "BackupCount" in "Settings": how many backups a save keeps beside the set; 0: none.
    int m_nBackupCount = kDefaultBackupCount;

protected:
    bool InitInstance() override;

private:
    void OnAppAbout();
};
