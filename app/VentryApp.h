#pragma once

#include <cstddef>
#include <string>

#include "gui/RecentFileList.h"
#include "gui/WinApp.h"

// The Ventry application: its settings with the scripts run last, its document manager and
// template, the watch on the open set's files, the About box.
class CVentryApp : public CWinApp {
public:
    CVentryApp();

    // The scripts run last, newest first, offered again in the Extras menu.
    CRecentFileList& GetRecentScripts() { return m_recentScripts; }
    const CRecentFileList& GetRecentScripts() const { return m_recentScripts; }

    bool OnCommand(unsigned nID) override;
    int GetBackupCount() const override { return m_nBackupCount; }

    int m_nLanguageID = 0;  // "LanguageID" in "Settings": kept, used by nothing else
    // "BackupCount" in "Settings": how many backups a save keeps beside the set; 0: none.
    int m_nBackupCount = kDefaultBackupCount;

protected:
    bool InitInstance() override;

private:
    void OnAppAbout();

    CRecentFileList& m_recentScripts;  // kept by the application with its recent files
};
