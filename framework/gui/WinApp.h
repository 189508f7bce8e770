#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CmdTarget.h"
#include "CommandLineInfo.h"
#include "core/AppServices.h"

class CDocManager;
class CDocument;
class CFrameWnd;
class CRecentFileList;
class CSingleDocTemplate;
class QSettings;

// The application: start-up, its settings with the recent-file list, the command line,
// and the application-wide commands (New, Open, the recent files, Exit). While it exists it
// is the document layer's services and AfxGetApp() returns it.
class CWinApp : public CCmdTarget, public CAppServices {
public:
    CWinApp(const QString& strAppName, const QString& strVersion);
    ~CWinApp() override;

    // Start-up on the given command line (program name first); false when the program is
    // to end at once.
    bool Start(const QStringList& arguments);
    // Makes the Qt application, starts up on its command line, then runs the event loop;
    // the program's exit code.
    int Run(int& argc, char** argv);

    CFrameWnd* GetMainWnd() const;
    CDocument* OpenDocumentFile(const std::string& fileName);
    bool SaveAllModified();
    void CloseAllDocuments();
    const CRecentFileList* GetRecentFileList() const { return m_pRecentFileList; }
    // The list of recent files whose menu items start at nFirstID; null when there is none.
    const CRecentFileList* GetRecentList(unsigned nFirstID) const;
    // Puts path first in list and keeps the list in the settings.
    void AddToRecentList(CRecentFileList& list, const std::string& path);
    // Opens entry nIndex of list with open; an entry whose file has gone is dropped, one that
    // open only failed on this time stays.
    void OpenRecent(CRecentFileList& list, std::size_t nIndex,
                    const std::function<bool(const std::string& path)>& open);

    int GetProfileInt(const QString& strSection, const QString& strEntry, int nDefault);
    void WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue);

    bool OnCommand(unsigned nID) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    int DoMessageBox(const std::string& text, unsigned type) override;
    bool DoPromptFileName(std::string& fileName, bool bOpenFileDialog) override;
    void AddToRecentFileList(const std::string& pathName) override;

protected:
    virtual bool InitInstance() = 0;

    // The settings live under this organisation and the application's name.
    void SetRegistryKey(const QString& strRegistryKey);
    void LoadStdProfileSettings(std::size_t nMaxMRU);
    // Another list of recent files, kept in the settings and shown in the menus as the File
    // menu's is, and read with it by LoadStdProfileSettings.
    CRecentFileList& AddRecentList(std::size_t nMaxSize, const QString& strSection,
                                   const QString& strEntryFormat, unsigned nFirstID);
    void SetDocManager(std::unique_ptr<CDocManager> pDocManager);
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate);
    void ParseCommandLine(CCommandLineInfo& cmdInfo) const;
    // Opens what the command line names, or runs File New; false when no frame came of it.
    bool ProcessShellCommand(const CCommandLineInfo& cmdInfo);

private:
    QSettings& Profile();
    void WriteRecentList(const CRecentFileList& list);
    // The list that has the menu item of command nID; null when none has.
    CRecentFileList* RecentListOf(unsigned nID) const;

    QString m_strRegistryKey;
    QStringList m_arguments;
    int m_nExitCode = 1;
    std::unique_ptr<QSettings> m_pSettings;
    // Before the document manager, whose documents' last notices may still update menus.
    std::vector<std::unique_ptr<CRecentFileList>> m_recentLists;
    CRecentFileList* m_pRecentFileList = nullptr;  // the File menu's, one of them
    std::unique_ptr<CDocManager> m_pDocManager;
    CAppServices* m_pPreviousServices = nullptr;
};

// The running application; null when there is none.
CWinApp* AfxGetApp();
