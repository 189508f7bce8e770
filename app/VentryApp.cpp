#include "VentryApp.h"

#include <algorithm>

#include "AboutDlg.h"
#include "LeftView.h"
#include "MainFrame.h"
#include "Resource.h"
#include "SetWatcher.h"
#include "StringTable.h"
#include "VentryDoc.h"
#include "VentryDocManager.h"
#include "gui/AfxRes.h"
#include "gui/CmdUI.h"
#include "gui/FrameWnd.h"

CVentryApp::CVentryApp()
    : CWinApp(QString::fromStdString(LoadResourceString(AFX_IDS_APP_TITLE)), QStringLiteral("1.0")),
      m_recentScripts(AddRecentList(10, QStringLiteral("Recent Scripts"),
                                    QStringLiteral("Script%1"), ID_EXTRAS_SCRIPT1)) {}

bool CVentryApp::OnCommand(unsigned nID) {
    if (nID == ID_APP_ABOUT) {
        OnAppAbout();
        return true;
    }
    return CWinApp::OnCommand(nID);
}

bool CVentryApp::InitInstance() {
    // The icons live in this static library, so their registration has to be asked for.
    Q_INIT_RESOURCE(ventry);

    SetRegistryKey(QString::fromStdString(LoadResourceString(IDS_REGISTRY_KEY)));
    LoadStdProfileSettings(4);
    m_nLanguageID = GetProfileInt(QStringLiteral("Settings"), QStringLiteral("LanguageID"), 0);
    WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("LanguageID"), m_nLanguageID);
    m_nBackupCount = std::max(0, GetProfileInt(QStringLiteral("Settings"),
                                               QStringLiteral("BackupCount"), kDefaultBackupCount));

    SetDocManager(std::make_unique<CVentryDocManager>());
    auto pTemplate = std::make_unique<CSingleDocTemplate>(
        LoadResourceString(IDR_MAINFRAME), CVentryDoc::classCVentryDoc, CMainFrame::classCMainFrame,
        CLeftView::classCLeftView);
    CSingleDocTemplate& setTemplate = *pTemplate;
    AddDocTemplate(std::move(pTemplate));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo)) {
        return false;
    }
    // The frame owns the watch, so it ends before the document goes.
    new CSetWatcher(setTemplate, GetMainWnd());
    GetMainWnd()->ActivateFrame();
    GetMainWnd()->DragAcceptFiles();
    return true;
}

void CVentryApp::OnAppAbout() {
    CAboutDlg aboutDlg(GetMainWnd());
    aboutDlg.DoModal();
}
